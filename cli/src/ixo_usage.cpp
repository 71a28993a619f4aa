#include "ixo_usage.h"

#include <cstdio>

void ixo_usage_port_id_forms()
{
    std::fputs("\n\tport id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<port-pwwn>\n"
               "\t\t<port-name>\n"
               "\t\t<port-hwpath>\n",
               stdout);
}

void ixo_usage_pcifn_id_forms()
{
    std::fputs("\n\tpcifn id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<adapter_id/port_id/pcifn_id>\n"
               "\t\t<port-pwwn>\n"
               "\t\t<port-name>\n"
               "\t\t<port-hwpath>\n",
               stdout);
}

void ixo_usage_pcifn_id_fn_form()
{
    std::fputs("\n\tpcifn id could be any of:\n"
               "\t\t<adapter_id/port_id/pcifn_id>\n",
               stdout);
}

void ixo_usage_ad_id_forms()
{
    std::fputs("\n\t- ad_id could be any of:\n"
               "\t\t- adapter_index\n"
               "\t\t- serial number\n"
               "\t\t- adapter name\n"
               "\t\t- hw path\n",
               stdout);
}
