# xelsim, the control tool of the emulated host.
$ xelsim show
! xelsim: no emulated host here; create one with 'xelsim create'
[1]
$ xelsim create
| Created the emulated host from preset default: 6 PCI functions
$ xelsim show
| Drivers loaded: xel kwo
|
| Adapter 0000:05:00.0  XF1602  serial TSF16050001  device 0x21  16G  name -
|   function      drv  inst  host      type  port  state        wwn/mac                  name
|   0000:05:00.0  xel  0     host2     FC    0     operational  10:00:00:7a:3c:05:10:00  -
|   0000:05:00.1  xel  1     host3     FC    1     operational  10:00:00:7a:3c:05:10:01  -
|
| Adapter 0000:06:00.0  XC1002  serial TSC10060001  device 0x22  10G  name -
|   function      drv  inst  host      type  port  state        wwn/mac                  name
|   0000:06:00.0  xel  2     host4     FCoE  0     operational  10:00:00:7a:3c:06:20:00  -
|   0000:06:00.1  xel  3     host5     FCoE  1     operational  10:00:00:7a:3c:06:20:01  -
|   0000:06:00.2  kwo  0     eth2      Eth   0     operational  00:7a:3c:06:22:00        -
|   0000:06:00.3  kwo  1     eth3      Eth   1     operational  00:7a:3c:06:22:01        -
$ xelsim presets
| default  XF1602 on 0000:05, XC1002 on 0000:06
| empty    no adapters
| hba      XF1602 on 0000:05
| cna      XC1002 on 0000:06
| quad     XF0804 on 0000:82
| mixed    XN1002 on 0000:03, XF0402 on 0000:04

# Faults: a status for a code, an errno (the network form of a code means
# the same code), a state never reached.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0084304 --status 56 --once
| Fault added: 0000:05:00.0  0xC0084304  status 56  (once)
$ xelsim fault add --fn 0000:06:00.2 --cmd 0xC2104407 --errno eio
| Fault added: 0000:06:00.2  0xC2104307  errno EIO  (always)
$ xelsim fault add --fn 0000:05:00.1 --never-state --times 2
| Fault added: 0000:05:00.1  enable/disable  never reaches the state  (2 times)
$ xelsim fault add --fn 0000:05:00.1 --cmd 0xC6504306 --status 1 --once --after 3
| Fault added: 0000:05:00.1  0xC6504306  status 1  (once, after 3)
$ xelsim fault list
| 0000:05:00.0  0xC0084304  status 56  (once)
| 0000:06:00.2  0xC2104307  errno EIO  (always)
| 0000:05:00.1  enable/disable  never reaches the state  (2 times)
| 0000:05:00.1  0xC6504306  status 1  (once, after 3)
$ xelsim show | tail -n 1
| 4 fault(s) pending (xelsim fault list)
$ xelsim fault clear
| Cleared 4 fault(s)
$ xelsim fault list
| No faults
$ xelsim log

# Command lines it refuses.
$ xelsim fault add --fn 0000:05:00.0 --status 5
! xelsim: --status, --errno and --result want --cmd
! (see 'xelsim help')
[2]
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0084303 --status 5 --errno EIO
! xelsim: fault add wants --fn and one of --status, --errno, --result, --never-state, --flash-half, --flash-corrupt, --frame
! (see 'xelsim help')
[2]
$ xelsim fault add --fn 0000:05:00.0 --never-state --cmd 0xC2104307
! xelsim: --never-state applies to the IOC and port enable and disable codes only
! (see 'xelsim help')
[2]
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0084303 --errno EWHAT
! xelsim: not an errno: EWHAT
! (see 'xelsim help')
[2]
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0084303 --status 5 --times 0
! xelsim: --times wants a count from 1
! (see 'xelsim help')
[2]
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0084303 --status 5 --after -1
! xelsim: --after wants a count from 0
! (see 'xelsim help')
[2]
$ xelsim fault add --fn 0000:09:00.0 --cmd 0xC0084303 --status 5
! xelsim: no PCI function 0000:09:00.0 in the emulated host
[1]
$ xelsim log --all
! xelsim: log takes only --clear
! (see 'xelsim help')
[2]
$ xelsim frob
! xelsim: unknown command: frob
! (see 'xelsim help')
[2]
$ xelsim
! Usage: xelsim COMMAND [ARGUMENTS]
! Controls the emulated host that ixo-sim runs on; its root is IXO_SIM_ROOT,
! else ~/.ixo-sim.
!
! Commands:
!   create [PRESET | FILE.json]  create the host anew (preset "default" when none is given)
!   presets                      list the built-in topologies
!   show                         adapters, PCI functions, their state and names
!   log [--clear]                the driver requests answered so far, or forget them
!   frames [--clear]             the ELS and CT frames and the CDBs the fabric saw, or forget them
!   sfp PCI                      the EEPROM of the SFP in the function's port, in hexadecimal
!   vpd PCI                      the VPD the function's adapter reports, in hexadecimal
!   fault add --fn PCI --cmd CODE --status N [--times N | --once]
!                                answer the code with a status
!   fault add --fn PCI --cmd CODE --errno NAME [--times N | --once]
!                                fail the request with an errno (EIO, ENXIO, ... or a number)
!   fault add --fn PCI --cmd CODE --result N [--times N | --once]
!                                a diagnostic test runs and its result record reports status N
!   fault add --fn PCI --never-state [--cmd CODE] [--times N | --once]
!                                enable and disable answer 0 but the IOC (or port) never gets there
!   fault add --fn PCI --flash-half [--status N] [--times N | --once]
!                                a flash write keeps the first half of its data and answers N (1)
!   fault add --fn PCI --flash-corrupt [--times N | --once]
!                                a flash read answers other bytes than the flash holds
!   fault add --fn PCI --frame token|timeout|reject:RR:EE|route:N|cut:N [--times N | --once]
!                                the next pass-through frame's answer: its token changed, none (time-out),
!                                a reject (hex reason and explanation), a trace route rejection, cut short
!   fault add ... --after N      let the first N requests the fault meets pass untouched
!   fault list                   the faults still pending
!   fault clear                  remove every fault
!   event add --fn PCI --cat N --type N
!                                the function's driver queues an event of the category and type
!                                (its record filled from the function, as the driver would)
!   caller [root | user | nocaps]
!                                who runs ixo-sim from now on: root, an ordinary account,
!                                or root without its capabilities; the caller when none is given
!   reboot                       reboot the host: adapters run their configured PCI function
!                                tables, ports their configured settings
!   help                         this text
[2]

# Topology files and presets.
$ xelsim create nosuch
! xelsim: no preset "nosuch" (presets: default, empty, hba, cna, quad, mixed)
[1]
$ printf '{"adapters": [{"nports": 1, "functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 1}]}]}' > bad.json && xelsim create bad.json
! xelsim: bad.json: adapters[0].nports: 1 is not more than port 1
[1]
$ xelsim create "$TESTDIR/../../sim/topologies/example.json"
| Created the emulated host from file example.json: 4 PCI functions
$ xelsim show
| Drivers loaded: xel kwo
|
| Adapter 0000:11:00.0  XF1602  serial TSF16110001  device 0x21  16G  name lab-hba
|   function      drv  inst  host      type  port  state        wwn/mac                  name
|   0000:11:00.0  xel  0     host10    FC    0     operational  10:00:00:7a:3c:11:10:00  -
|   0000:11:00.1  xel  -     -         FC    1     operational  10:00:00:7a:3c:11:01:01  -
|
| Adapter 0000:12:00.0  XC1002  serial TSC10120001  device 0x22  10G  name -
|   function      drv  inst  host      type  port  state        wwn/mac                  name
|   0000:12:00.0  xel  1     host2     FCoE  0     operational  10:00:00:7a:3c:12:00:00  -
|   0000:12:00.1  kwo  0     ens12f1   Eth   0     disabled     00:7a:3c:12:11:00        -
$ xelsim create empty
| Created the emulated host from preset empty: 0 PCI functions
$ xelsim show
| Drivers loaded: xel kwo
| No adapters
$ mkdir other && touch other/notes && IXO_SIM_ROOT=other xelsim create
! xelsim: other: not empty and not an emulated host; refusing to replace it
[1]
