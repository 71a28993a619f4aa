#include "temp_root.h"

#include <fstream>

void TempRoot::touch(const std::string &relative) const
{
    std::filesystem::path file = path_ + relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file).flush();
}
