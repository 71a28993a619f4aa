# Trunking: disabled, enabled and queried with its members; a converged
# adapter cannot bundle its ports.
$ ixo-sim trunk --query 1
| Trunk state:        Disabled
$ ixo-sim trunk --enable 1
| Trunking for adapter id 1 enabled
$ ixo-sim trunk --query 1
| Trunk state:        Linkup
| Trunk Port id:      1/0
| Trunk Speed:        32G
| Port address:       0a1000
| Port id:            1/0
|     Port state:     Enabled
|     Link state:     Linkup
|     Flow CTL mode:  Normal
|     Remote wwn:     20:10:02:00:00:00:00:0a
|     Speed:          16G
|     Deskew value:   0 nsec
| Port id:            1/1
|     Port state:     Enabled
|     Link state:     Linkup
|     Flow CTL mode:  Normal
|     Remote wwn:     20:11:02:00:00:00:00:0a
|     Speed:          16G
|     Deskew value:   12 nsec
$ ixo-sim trunk --enable 1
| Trunk enable for adapter id 1 failed
! ERROR: Trunk is already enabled on this adapter 
[164]
$ ixo-sim trunk --disable 1
| Trunking for adapter id 1 Disabled
$ ixo-sim trunk --query 1
| Trunk state:        Disabled
$ ixo-sim trunk --query 2
! ERROR: Trunking is not supported on CNAs 
[215]
$ ixo-sim trunk --enable 2
| Trunk enable for adapter id 2 failed
! ERROR: Trunking is not supported on CNAs 
[215]
