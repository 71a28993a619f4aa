#!/usr/bin/env bash
# Drives the bash completion function as bash would (COMP_WORDS and
# COMP_CWORD) for ixo-sim on a fresh emulated root, and checks the words
# it offers: classes, a class's commands, the ports of the emulated host
# (which follow the host: another preset, a port name), the functions of
# a command's driver path, and the option words of a command's usage.
# Usage: completion.sh COMPLETION_FILE BIN_DIR
set -uo pipefail
source "$1"
PATH=$2:$PATH
IXO_SIM_ROOT=$(mktemp -d)
export IXO_SIM_ROOT
trap 'rm -rf "$IXO_SIM_ROOT"' EXIT
failures=0

# Offers for the command line, the cursor in its last word.
offers() {
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _ixo
    echo "${COMPREPLY[*]}"
}

check() {
    local expected=$1
    shift
    local got
    got=$(offers "$@")
    if [[ $got != "$expected" ]]; then
        echo "FAIL: '$*': offered '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
}

# Every class of the table, each once.
classes="shell --help --ehelp --version adapter auth bios boot bootdup dcb debug diag ethboot fabric fcoe fcdiag fcpim flash fruvpd ipfc lport log mfg pcifn phy port qos ratelim rport trunk vhba vnic vport"
check "$classes" ixo-sim ""
check "port" ixo-sim po
check "" ixo-sim nosuchclass ""
# The real program lists its table without reaching the host.
check "$classes" ixo ""
check "--fccr_disable --fccr_enable --fccr_query" ixo port --fc

# After "port --", only command words, the port class's among them.
commands=$(offers ixo-sim port --)
for word in --query --list --enable --disable --stats --speed --topology --mode --help; do
    [[ " $commands " == *" $word "* ]] || { echo "FAIL: 'ixo-sim port --' lacks $word: $commands"; failures=$((failures + 1)); }
done
for word in $commands; do
    [[ $word == --* ]] || { echo "FAIL: 'ixo-sim port --' offers $word"; failures=$((failures + 1)); }
done
check "--fccr_disable --fccr_enable --fccr_query" ixo-sim port --fc

check "1/0 1/1 2/0 2/1" ixo-sim port --query ""
check "1 2" ixo-sim adapter --query ""
check "2/0/2 2/1/3" ixo-sim vnic --delete ""
check "1/0 1/1 2/0 2/1" ixo-sim fcoe --enable ""
check "-verbose -terse" ixo-sim port --list ""
check "HBA CNA NIC -f" ixo-sim port --mode 1/0 ""
check "on off" ixo-sim diag --beacon 1/0 ""
check "" ixo-sim port --query 1/0 ""

ixo-sim port --name 1/1 fcport1 >/dev/null
check "fcport1" ixo-sim port --query f
xelsim create quad >/dev/null
check "1/0 1/1 1/2 1/3" ixo-sim port --query ""

[[ $failures -eq 0 ]]
