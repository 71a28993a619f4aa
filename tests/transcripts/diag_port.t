# Beacon: on twice, then off twice; the port query shows it in between.
$ ixo-sim diag --beacon 1/0 on
| beacon turned on
$ ixo-sim diag --beacon 1/0 on
! ERROR: Port Beacon already on 
[72]
$ ixo-sim port --query 1/0 | grep Beacon
| Beacon status:              On
$ ixo-sim diag --beacon 1/0 off
| beacon turned off
$ ixo-sim diag --beacon 1/0 off
! ERROR: Port Beacon already off 
[73]
$ ixo-sim port --query 1/0 | grep Beacon
| Beacon status:              Off
# A duration goes with "on" (0xC014431C: beacon, link beacon, seconds).
$ ixo-sim diag --beacon 2/1 on 30
| beacon turned on
$ ixo-sim diag --beacon 2/1 off
| beacon turned off
# Once its duration has passed the beacon is off, and may be turned on again.
$ ixo-sim diag --beacon 2/1 on 2 && ixo-sim port --query 2/1 | grep Beacon
| beacon turned on
| Beacon status:              On
$ for i in $(seq 40); do ixo-sim port --query 2/1 | grep -q 'Beacon status: *Off' && break; sleep 0.1; done; ixo-sim port --query 2/1 | grep Beacon
| Beacon status:              Off
$ ixo-sim diag --beacon 2/1 on && ixo-sim diag --beacon 2/1 off
| beacon turned on
| beacon turned off
# Words that are neither on nor off, a duration that is no number or
# beyond 32 bits, a duration after "off".
$ ixo-sim diag --beacon 1/0 of
! ERROR: command "--beacon" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --beacon 1/0 on 10s
! ERROR: command "--beacon" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --beacon 1/0 on 4294967296
! ERROR: command "--beacon" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --beacon 1/0 off 10 > /dev/null
! ERROR: Incorrect argument count for command "--beacon"
[166]

# LED test: on with a color, off alone, blink with color and frequency in
# either order.
$ ixo-sim diag --ledtest 1/0 7 on green
| diag ledtest successful
$ ixo-sim diag --ledtest 1/0 1 off
| diag ledtest successful
$ ixo-sim diag --ledtest 1/0 3 blink amber 20
| diag ledtest successful
$ ixo-sim diag --ledtest 1/0 3 blink 20 amber
| diag ledtest successful
# Refused: a bit map of 0 or 8, on without a color, off with one, an
# unknown color, a frequency beyond 16 bits or that only begins with a
# digit, an unknown command.
$ ixo-sim diag --ledtest 1/0 8 off
! ERROR: command "--ledtest" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ledtest 1/0 0 off
! ERROR: command "--ledtest" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ledtest 1/0 1 on
! ERROR: command "--ledtest" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ledtest 1/0 1 off green
! ERROR: command "--ledtest" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ledtest 1/0 1 on red
! ERROR: command "--ledtest" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ledtest 1/0 1 blink green 65536
! ERROR: command "--ledtest" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ledtest 1/0 1 blink 5x green
! ERROR: command "--ledtest" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ledtest 1/0 1 blink green fast
! ERROR: command "--ledtest" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ledtest 1/0 1 flash green
! ERROR: command "--ledtest" syntax is incorrect or one of the parameters is incorrect
[167]
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC018431B --status 109 --once
| Fault added: 0000:05:00.0  0xC018431B  status 109  (once)
$ ixo-sim diag --ledtest 1/0 1 off
! ERROR: LED test is operating 
[109]

# D-port: enabled, shown by the port list, refused when already so, then
# disabled.
$ ixo-sim diag --dportenable 1/1
| D-port mode for port 1/1 enabled.
$ ixo-sim port --list | grep 1/1
|  1/1   -   fc    10:00:00:7a:3c:05:10:01  dport     sw     Disabled    ---
$ ixo-sim diag --dportenable 1/1
! ERROR: D-port mode is already enabled 
[235]
$ ixo-sim diag --dportdisable 1/1
| D-port mode for port 1/1 disabled
$ ixo-sim diag --dportdisable 1/1
! ERROR: D-port mode is already disabled 
[236]
$ ixo-sim port --list | grep 1/1
|  1/1   -   fc    10:00:00:7a:3c:05:10:01  0a1100    sw     Linkup      16G
# FC ports only.
$ ixo-sim diag --dportenable 2/0
! ERROR: Command/API not supported 
[26]

# A mezzanine card has no LEDs of its own to drive.
$ cat > mezz.json
< {"adapters": [{"is_mezz": true, "max_speed": 8, "functions": [
<   {"pci": "0000:05:00.0", "type": "fc", "port": 0}]}]}
$ xelsim create mezz.json > /dev/null
$ ixo-sim diag --beacon 1/0 on
| This command is not applicable to Mezz cards.
$ ixo-sim diag --ledtest 1/0 1 off
| This command is not applicable to Mezz cards.
