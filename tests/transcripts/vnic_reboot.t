# A vNIC the reboot enumerated may be deleted like any created one; the
# next reboot takes its function, IOC and files away again.
$ ixo-sim vnic --create 2/1 > /dev/null && xelsim reboot
| Host rebooted
$ ixo-sim vnic --query 2/1/4 | grep -E '^(HW|OS Eth)' && ls $IXO_SIM_ROOT/sys/bus/pci/drivers/kwo | grep 0000
| HW Path			: 0000:06:00.4
| OS Eth Device		: eth4
| 0000:06:00.2
| 0000:06:00.3
| 0000:06:00.4
$ ixo-sim vnic --delete 2/1/4
| vNIC deleted successfully
| A host reboot is needed for the changes to be effective
|
$ xelsim reboot && ls $IXO_SIM_ROOT/sys/bus/pci/drivers/kwo $IXO_SIM_ROOT/sys/kernel/debug/kwo | grep 0000
| Host rebooted
| 0000:06:00.2
| 0000:06:00.3
| pci_dev:0000:06:00.2
| pci_dev:0000:06:00.3
$ ixo-sim vnic --query 2/1/4
! ERROR: port id "2/1/4" in command is incorrect
[171]
