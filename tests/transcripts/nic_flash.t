# A NIC's flash is read through ethtool on the function's interface; a mode
# change checks the capability flags of the manufacturing block first.
$ printf '%s\n' '{"adapters": [{"functions": [' '  {"pci": "0000:08:00.0", "type": "eth", "port": 0},' '  {"pci": "0000:08:00.1", "type": "eth", "port": 1}]}]}' > nic.json
$ xelsim create nic.json
| Created the emulated host from file nic.json: 2 PCI functions
$ ixo-sim port --mode 1/0 nic
| Warning: This command will not reset the settings configured on the port.
|
| Port mode is configured successfully.
| A host reboot is needed for the changes to be effective. You may also have to change the SFP to match the new mode.
|
$ ixo-sim port --mode 1/1 cna -f
| Warning: This command will reset all the settings configured on the port.
|
| Mode change command can take a lot of time to complete.
| Please don't terminate the command as it could result in undesirable port state.
|
| Port mode is configured successfully.
| A host reboot is needed for the changes to be effective. You may also have to change the SFP to match the new mode.
|
