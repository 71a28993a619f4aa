# A change the driver takes but the configuration file cannot keep: the
# command reports what the driver did, then fails saying that the change
# is not saved, and the file keeps its old text. Here the
# write-back cannot make its journal beside the file (a directory holds
# the name), so it fails before the file changes.
$ ixo-sim port --speed 1/0 8
| Setting will be enforced after port --disable and --enable
$ cp $IXO_SIM_ROOT/etc/xel.conf before.conf
$ mkdir $IXO_SIM_ROOT/etc/xel.conf.journal
$ ixo-sim port --speed 1/0 4
| Setting will be enforced after port --disable and --enable
! ERROR: Setting is active but not saved in /etc/xel.conf: Is a directory
[188]
$ cmp before.conf $IXO_SIM_ROOT/etc/xel.conf
$ ixo-sim port --name 1/0 dataA
| successfully named the port: dataA
! ERROR: Setting is active but not saved in /etc/xel.conf: Is a directory
[188]
$ ixo-sim port --name 1/0
| Port name is: dataA
$ cmp before.conf $IXO_SIM_ROOT/etc/xel.conf

# A command that saves nothing is not troubled by it.
$ ixo-sim port --query 1/0 | grep -c "function id"
| 1

# Once the write-back can work again, the next change is saved.
$ rmdir $IXO_SIM_ROOT/etc/xel.conf.journal
$ ixo-sim port --speed 1/0 4
| Setting will be enforced after port --disable and --enable
$ grep -e port-speed -e port-name $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-speed = 4;
$ ls $IXO_SIM_ROOT/etc
| xel.conf
