# Boot duplication: the inventories and the execution report as XML, each
# checked by xmllint, the plain-text log with its times masked, and the
# firmware image copy with its word dump checked by an independent reader.
$ printf '#!/bin/sh\nsed -e "s/on [A-Z][a-z][a-z] [A-Z][a-z][a-z] .*[0-9]$/on DATE/" -e "s/took:[0-9.]*/took:T/" "$@"\n' > masklog && chmod +x masklog
# Without -o the XML goes to standard output; without -l the log is
# bootdup_log.txt, an older one deleted first.
$ echo old > bootdup_log.txt && ixo-sim bootdup --query -a
| <?xml version="1.0" encoding="UTF-8"?>
| <SVMInventory lang="en">
| <Device vendorID="7a3c" deviceID="21" subDeviceID="16" subVendorID="7a3c" bus="05" device="00" function="0" display="Tessary XF1602 16Gbps FC HBA">
| <Application componentType="FRMW" version="4.2.0.7" display="XF1602"/>
| </Device>
| <Device vendorID="7a3c" deviceID="21" subDeviceID="16" subVendorID="7a3c" bus="05" device="00" function="1" display="Tessary XF1602 16Gbps FC HBA">
| <Application componentType="FRMW" version="4.2.0.7" display="XF1602"/>
| </Device>
| <Device vendorID="7a3c" deviceID="22" subDeviceID="10" subVendorID="7a3c" bus="06" device="00" function="0" display="Tessary XC1002 10Gbps CNA">
| <Application componentType="FRMW" version="4.2.0.7" display="XC1002"/>
| </Device>
| <Device vendorID="7a3c" deviceID="22" subDeviceID="10" subVendorID="7a3c" bus="06" device="00" function="2" display="Tessary XC1002 10Gbps CNA">
| <Application componentType="FRMW" version="4.2.0.7" display="XC1002"/>
| </Device>
| <Device vendorID="7a3c" deviceID="22" subDeviceID="10" subVendorID="7a3c" bus="06" device="00" function="1" display="Tessary XC1002 10Gbps CNA">
| <Application componentType="FRMW" version="4.2.0.7" display="XC1002"/>
| </Device>
| <Device vendorID="7a3c" deviceID="22" subDeviceID="10" subVendorID="7a3c" bus="06" device="00" function="3" display="Tessary XC1002 10Gbps CNA">
| <Application componentType="FRMW" version="4.2.0.7" display="XC1002"/>
| </Device>
| </SVMInventory>
$ ./masklog bootdup_log.txt
| Default Log file Name is bootdup_log.txt
| *****Log started on DATE
| *****
| Log file (bootdup_log.txt) is successfully opened for writing.
|
| Query operation is for all the adapter instances.
|
| Log file (bootdup_log.txt) written successfully.
|
| (Total Execution took:T seconds)
| *****Log file closed on DATE
|  *****
$ ixo-sim bootdup --query -a -o inv.xml -l inv.log && xmllint --noout inv.xml && xmllint --xpath 'count(/SVMInventory/Device)' inv.xml && echo && xmllint --xpath 'count(//Application[@componentType="FRMW"])' inv.xml && echo
| 6
|
| 6
|
$ ./masklog inv.log
| *****Log started on DATE
| *****
| Log file (inv.log) is successfully opened for writing.
|
| Query operation is for all the adapter instances.
|
| Output file (inv.xml) generated successfully.
|
| Log file (inv.log) written successfully.
|
| (Total Execution took:T seconds)
| *****Log file closed on DATE
|  *****
$ ixo-sim bootdup --swquery 2 -o sw.xml -l sw.log && xmllint --noout sw.xml && cat sw.xml
| <?xml version="1.0" encoding="UTF-8"?>
| <SVMInventory lang="en">
| <Device componentID="7a3c" enum="XC1002" display="XC1002">
| <Application componentType="DRVR" version="4.2.0.7" display="XC1002"/>
| </Device>
| <Device componentID="7a3c" enum="XC1002" display="XC1002">
| <Application componentType="DRVR" version="4.2.0.7" display="XC1002"/>
| </Device>
| <Device componentID="7a3c" enum="XC1002" display="XC1002">
| <Application componentType="DRVR" version="4.2.0.7" display="XC1002"/>
| </Device>
| <Device componentID="7a3c" enum="XC1002" display="XC1002">
| <Application componentType="DRVR" version="4.2.0.7" display="XC1002"/>
| </Device>
| </SVMInventory>
$ ./masklog sw.log
| *****Log started on DATE
| *****
| Log file (sw.log) is successfully opened for writing.
|
| Query operation is for Adapter TSC10060001.
|
| Output file (sw.xml) generated successfully.
|
| Log file (sw.log) written successfully.
|
| (Total Execution took:T seconds)
| *****Log file closed on DATE
|  *****
# A missing adapter leaves the empty inventory.
$ ixo-sim bootdup --query 9 -o out.xml; echo "status $?" && cat out.xml && xmllint --noout out.xml
| status 172
| <?xml version="1.0" encoding="UTF-8"?>
| <SVMInventory lang="en"/>
! ERROR: adapter id "9" in command is incorrect
$ ixo-sim bootdup --query -a -x y
! ERROR: command "--query" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim bootdup --update -a -o r.xml -s
|
| Usage: ixo bootdup [OPTIONS] [ARGUMENTS] ...
! ERROR: Too few arguments/options provided for the command "bootdup"
!
[161]
$ ixo-sim bootdup --update -a -o r.xml
|
| Usage: ixo bootdup [OPTIONS] [ARGUMENTS] ...
! ERROR: Too few arguments/options provided for the command "bootdup"
!
[161]
$ ixo-sim bootdup --query -a -l
|
| Usage: ixo bootdup [OPTIONS] [ARGUMENTS] ...
! ERROR: Too few arguments/options provided for the command "bootdup"
!
[161]
# An output file that cannot be opened leaves the XML on standard output.
$ ixo-sim bootdup --swquery 1 -o nodir/x.xml -l nodir/x.log | ./masklog
| Output File (nodir/x.xml) failed to open
| Log Flle open(nodir/x.log) fails. So output will be logged to stdout
| Output File (nodir/x.log) Open failed
| *****Log started on DATE
| *****
| Log file (nodir/x.log) is successfully opened for writing.
|
| Query operation is for Adapter TSF16050001.
|
| <?xml version="1.0" encoding="UTF-8"?>
| <SVMInventory lang="en">
| <Device componentID="7a3c" enum="XF1602" display="XF1602">
| <Application componentType="DRVR" version="4.2.0.7" display="XF1602"/>
| </Device>
| <Device componentID="7a3c" enum="XF1602" display="XF1602">
| <Application componentType="DRVR" version="4.2.0.7" display="XF1602"/>
| </Device>
| </SVMInventory>
| Log file (nodir/x.log) written successfully.
|
| (Total Execution took:T seconds)
| *****Log file closed on DATE
|  *****
# A version that cannot be read is NA.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0184355 --status 9 --once > /dev/null && ixo-sim bootdup --query 1 -o na.xml && xmllint --xpath 'string(//Device[1]/Application/@version)' na.xml && echo
| NA
|
# One adapter updated: the report says so for each of its functions.
$ head -c 5000 /dev/urandom > fw.bin && printf 'Version=3.0.0.0\nCARDTYPE=1602\nFIRMWARE=fw.bin\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" hba.pkg boot.txt fw.bin
$ ixo-sim bootdup --update 1 -s hba.pkg -o r.xml && xmllint --noout r.xml && cat r.xml
| <?xml version="1.0" encoding="UTF-8"?>
| <SVMExecution lang="en">
| <Device vendorID="7a3c" deviceID="21" subDeviceID="16" subVendorID="7a3c" bus="05" device="00" function="0" display="Tessary XF1602 16Gbps FC HBA">
| <Application componentType="FRMW" version="4.2.0.7" display="XF1602">
| <Package version="4.2.0.7"/>
| <SPStatus result="true" >
| <Message id="0"> Update success. </Message>
| </SPStatus>
| </Application>
| </Device>
| <Device vendorID="7a3c" deviceID="21" subDeviceID="16" subVendorID="7a3c" bus="05" device="00" function="1" display="Tessary XF1602 16Gbps FC HBA">
| <Application componentType="FRMW" version="4.2.0.7" display="XF1602">
| <Package version="4.2.0.7"/>
| <SPStatus result="true" >
| <Message id="0"> Update success. </Message>
| </SPStatus>
| </Application>
| </Device>
| <RebootRequired>1</RebootRequired>
| </SVMExecution>
$ ./masklog bootdup_log.txt
| Default Log file Name is bootdup_log.txt
| *****Log started on DATE
| *****
| Log file (bootdup_log.txt) is successfully opened for writing.
|
| Update operation is for Adapter TSF16050001.
|
|
| Boot code updated successfully
| Boot update success on adapter TSF16050001.
|
| A reboot of the system is needed for the newly updated image to be effective
|
| Output file (r.xml) generated successfully.
|
| Log file (bootdup_log.txt) written successfully.
|
| (Total Execution took:T seconds)
| *****Log file closed on DATE
|  *****
$ ixo-sim bootdup --update 1 -s missing.pkg -o m.xml; wc -c < m.xml
| 0
! ERROR(1)-Boot update failed
! Operation failed 
! ERROR: Operation failed 
# The running firmware image, as large as its partition, and its dump.
$ ixo-sim bootdup --read 1 -f fw.img && cmp -n 5000 fw.bin fw.img && wc -c < fw.img && "$TESTDIR/../tools/hexdump_check.py" fw.img fw.img.hex
| 1572864
| 1572864 bytes, 98304 lines
$ ./masklog bootdup_log.txt
| Default Log file Name is bootdup_log.txt
| *****Log started on DATE
| *****
| Log file (bootdup_log.txt) is successfully opened for writing.
|
| Firmware read operation is for Adapter TSF16050001.
|
| Success in reading the Adapter (TSF16050001) Attributes
|
| Firmware read written successfully for the adapter (TSF16050001) to (fw.img)
|
| Log file (bootdup_log.txt) written successfully.
|
| (Total Execution took:T seconds)
| *****Log file closed on DATE
|  *****
$ ixo-sim bootdup --read 1 -x fw.img
! ERROR: command "--read" syntax is incorrect or one of the parameters is incorrect
[167]
# Three adapters, the package for two of them; markup in a model
# description is escaped.
$ printf '%s\n' '{"adapters": [' '{"model_descr": "Tessary <16G> & \"lab\" HBA", "functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0}]},' '{"model": "XC1002", "functions": [{"pci": "0000:06:00.0", "type": "fcoe", "port": 0}, {"pci": "0000:06:00.1", "type": "eth", "port": 0}]},' '{"functions": [{"pci": "0000:07:00.0", "type": "fc", "port": 0}, {"pci": "0000:07:00.1", "type": "fc", "port": 1}]}]}' > three.json && xelsim create three.json
| Created the emulated host from file three.json: 5 PCI functions
$ ixo-sim bootdup --update -a -s hba.pkg -o all.xml -l all.log && xmllint --noout all.xml && cat all.xml
| <?xml version="1.0" encoding="UTF-8"?>
| <SVMExecution lang="en">
| <Device vendorID="7a3c" deviceID="21" subDeviceID="16" subVendorID="7a3c" bus="05" device="00" function="0" display="Tessary &lt;16G&gt; &amp; &quot;lab&quot; HBA">
| <Application componentType="FRMW" version="4.2.0.7" display="XF1602">
| <Package version="4.2.0.7"/>
| <SPStatus result="true" >
| <Message id="0"> Update success. </Message>
| </SPStatus>
| </Application>
| </Device>
| <Device vendorID="7a3c" deviceID="22" subDeviceID="10" subVendorID="7a3c" bus="06" device="00" function="0" display="Tessary XC1002 10Gbps CNA">
| <Application componentType="FRMW" version="4.2.0.7" display="XC1002">
| <Package version="4.2.0.7"/>
| <SPStatus result="true" >
| <Message id="1"> Update failed. </Message>
| </SPStatus>
| </Application>
| </Device>
| <Device vendorID="7a3c" deviceID="22" subDeviceID="10" subVendorID="7a3c" bus="06" device="00" function="1" display="Tessary XC1002 10Gbps CNA">
| <Application componentType="FRMW" version="4.2.0.7" display="XC1002">
| <Package version="4.2.0.7"/>
| <SPStatus result="true" >
| <Message id="1"> Update failed. </Message>
| </SPStatus>
| </Application>
| </Device>
| <Device vendorID="7a3c" deviceID="21" subDeviceID="16" subVendorID="7a3c" bus="07" device="00" function="0" display="Tessary XF1602 16Gbps FC HBA">
| <Application componentType="FRMW" version="4.2.0.7" display="XF1602">
| <Package version="4.2.0.7"/>
| <SPStatus result="true" >
| <Message id="0"> Update success. </Message>
| </SPStatus>
| </Application>
| </Device>
| <Device vendorID="7a3c" deviceID="21" subDeviceID="16" subVendorID="7a3c" bus="07" device="00" function="1" display="Tessary XF1602 16Gbps FC HBA">
| <Application componentType="FRMW" version="4.2.0.7" display="XF1602">
| <Package version="4.2.0.7"/>
| <SPStatus result="true" >
| <Message id="0"> Update success. </Message>
| </SPStatus>
| </Application>
| </Device>
| <RebootRequired>1</RebootRequired>
| </SVMExecution>
$ xmllint --xpath 'string(//Device[1]/@display)' all.xml && echo && xmllint --xpath 'count(//Message[@id="0"])' all.xml && echo && xmllint --xpath 'count(//SPStatus[@result="true"])' all.xml && echo
| Tessary <16G> & "lab" HBA
|
| 3
|
| 5
|
$ ./masklog all.log
| *****Log started on DATE
| *****
| Log file (all.log) is successfully opened for writing.
|
| Update operation is for all the adapter instances.
|
| Boot code successfully updated for 2 adapters
|
| Boot update success on adapter TSF00000001.
|
| Boot update failed on adapter TSC00000002.
|
| Boot update success on adapter TSF00000003.
|
| A reboot of the system is needed for the newly updated image to be effective
|
| Output file (all.xml) generated successfully.
|
| Log file (all.log) written successfully.
|
| (Total Execution took:T seconds)
| *****Log file closed on DATE
|  *****
# When every adapter fails the report is still written, and the status is the failure.
$ printf 'Version=3.0.0.0\nCARDTYPE=0804\nFIRMWARE=fw.bin\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" none.pkg boot.txt fw.bin && ixo-sim bootdup --update -a -s none.pkg -o none.xml -l none.log; echo "status $?" && xmllint --noout none.xml && xmllint --xpath 'count(//Message[@id="1"])' none.xml && echo && grep Reboot none.xml
| status 169
| 5
|
| <RebootRequired>0</RebootRequired>
! ERROR: Boot image is not for the adapter(s) installed 
$ xelsim create empty > /dev/null && ixo-sim bootdup --query -a -l e.log && ./masklog e.log
| <?xml version="1.0" encoding="UTF-8"?>
| <SVMInventory lang="en"/>
| *****Log started on DATE
| *****
| Log file (e.log) is successfully opened for writing.
|
| Query operation is for all the adapter instances.
|
| No Supported Device
| Log file (e.log) written successfully.
|
| (Total Execution took:T seconds)
| *****Log file closed on DATE
|  *****
