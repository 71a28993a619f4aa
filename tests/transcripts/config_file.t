# The configuration file as an administrator keeps it: written by hand
# with CR LF line ends and notes, owned by another user and group, with a
# hard link and a symbolic link to it.

# A hand-written file that registers every function of the default host:
# a command that changes nothing leaves it byte for byte.
$ xelsim create >/dev/null
$ printf '# lab host, ticket 42\r\n\r\nxel0-port-wwn = "10:00:00:7a:3c:05:10:00"\r\nxel1-port-wwn = "10:00:00:7a:3c:05:10:01"\r\nxel2-port-wwn = "10:00:00:7a:3c:06:20:00"\r\nxel3-port-wwn = "10:00:00:7a:3c:06:20:01"\r\nkwo0-port-mac = "00:7a:3c:06:22:00"\r\nkwo1-port-mac = "00:7a:3c:06:22:01"\r\n#   speed fixed: the switch port is old\r\nxel0-port-speed = 4\r\nxel0-port-name = "lab\tport"\r\nnum-ios = 1024\r\n' > hand.conf
$ cp hand.conf $IXO_SIM_ROOT/etc/xel.conf
$ ixo-sim port --query 1/0 >/dev/null
$ ixo-sim port --list >/dev/null
$ ixo-sim port --speed 1/0 >/dev/null
$ cmp hand.conf $IXO_SIM_ROOT/etc/xel.conf

# The file's identity: owner, group, mode, inode and links stay.
$ mv $IXO_SIM_ROOT/etc/xel.conf $IXO_SIM_ROOT/etc/xel.conf.real
$ ln -s xel.conf.real $IXO_SIM_ROOT/etc/xel.conf
$ ln $IXO_SIM_ROOT/etc/xel.conf.real hard.conf
$ chown 1234:5678 hard.conf
$ chmod 640 hard.conf
$ stat -c '%i %u %g %a %h' hard.conf > before.stat

# A change rewrites the file in the store's layout; the notes and the
# tunable follow in sections of their own, with LF line ends.
$ ixo-sim port --speed 1/0 8
| Setting will be enforced after port --disable and --enable
$ stat -c '%i %u %g %a %h' hard.conf | cmp - before.stat
$ readlink $IXO_SIM_ROOT/etc/xel.conf
| xel.conf.real
$ ls $IXO_SIM_ROOT/etc
| xel.conf
| xel.conf.real
$ grep -c "$(printf '\r')" hard.conf
| 0
[1]
$ grep -v '^#' hard.conf | grep -v '^$'
| xel0-port-wwn = "10:00:00:7a:3c:05:10:00";
| xel0-port-name = "lab	port";
| xel1-port-wwn = "10:00:00:7a:3c:05:10:01";
| xel2-port-wwn = "10:00:00:7a:3c:06:20:00";
| xel3-port-wwn = "10:00:00:7a:3c:06:20:01";
| kwo0-port-mac = "00:7a:3c:06:22:00";
| kwo1-port-mac = "00:7a:3c:06:22:01";
| xel0-port-speed = 8;
| num-ios = 1024
$ tail -n 6 hard.conf
| 
| #
| # Comments and other lines, as found
| #
| # lab host, ticket 42
| #   speed fixed: the switch port is old

# The new text reads back as written: a query leaves it as it is.
$ cp hard.conf after.conf
$ ixo-sim port --query 1/0 >/dev/null
$ cmp after.conf hard.conf
