// A fixture that runs the library on a fresh emulated host: the host laid
// out under a temporary root, its emulated kernel installed as the seam.
#pragma once

#include "sim_kernel.h"
#include "sim_topology.h"
#include "temp_root.h"
#include "xell_adapter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class EmulatedHostTest : public ::testing::Test {
protected:
    // Lays out a preset host and installs its kernel; false (with a test
    // failure) when the host cannot be made.
    bool start(const std::string &preset)
    {
        std::string error;
        EXPECT_TRUE(sim_create_host(root.path(), preset, &error)) << error;
        return install();
    }
    bool start(const sim_topology &topology)
    {
        std::string error;
        EXPECT_TRUE(sim_create_host_from(root.path(), topology, &error)) << error;
        return install();
    }
    void TearDown() override
    {
        xell_adapter_free();
        xell_os_install(nullptr);
    }

    TempRoot root;
    std::unique_ptr<SimHost> host;
    std::unique_ptr<EmulatedSys> kernel;

private:
    bool install()
    {
        host = std::make_unique<SimHost>(root.path());
        kernel = std::make_unique<EmulatedSys>(*host);
        xell_os_install(kernel.get());
        return !::testing::Test::HasFailure();
    }
};
