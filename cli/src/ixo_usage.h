// The target forms that many usage printers end with, each printed here
// once so that every class shows them alike.
#pragma once

// "port id": adapter/port, pwwn, port name, hardware path.
void ixo_usage_port_id_forms();

// "pcifn id": adapter/port, adapter/port/pcifn, pwwn, port name, hardware path.
void ixo_usage_pcifn_id_forms();

// "pcifn id" where only the adapter/port/pcifn form is taken.
void ixo_usage_pcifn_id_fn_form();

// "ad_id": adapter index, serial number, adapter name, hardware path.
void ixo_usage_ad_id_forms();
