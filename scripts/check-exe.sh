#!/bin/bash
# Checks a built kelvara.exe: it imports only Windows' own DLLs and stays
# within its size budget. Usage: check-exe.sh EXE OBJDUMP MAX_BYTES
set -euo pipefail
exe=$1 objdump=$2 budget=$3
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|SHLWAPI|SHELL32|ADVAPI32|msvcrt)\.dll$'
status=0
while read -r dll; do
    if ! echo "$dll" | grep -qiE "$allowed"; then
        echo "check-exe: $exe imports $dll, which is not part of Windows" >&2
        status=1
    fi
done < <("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
size=$(stat -c %s "$exe")
if [ "$size" -gt "$budget" ]; then
    echo "check-exe: $exe is $size bytes, over its budget of $budget" >&2
    status=1
fi
echo "check-exe: $(basename "$(dirname "$exe")")/$(basename "$exe") $size bytes (budget $budget), imports: $("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
exit $status
