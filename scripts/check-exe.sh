#!/usr/bin/env bash
# Checks the hardening of a built .exe: ASLR with relocations, DEP, no section
# both writable and executable, only Windows system DLLs imported, the expected
# PE kind, and the common-controls manifest. Prints a table; fails on any miss.
set -uo pipefail
exe=$1
arch=${2:-i686}
objdump=x86_64-w64-mingw32-objdump
headers=$($objdump -p "$exe")
sections=$($objdump -h "$exe")
failed=0

check() {  # name, then a command that succeeds when the check holds
  local name=$1
  shift
  if "$@" >/dev/null 2>&1; then printf '%-44s yes\n' "$name"; else printf '%-44s NO\n' "$name"; failed=1; fi
}

want_format=pei-i386
[[ $arch == x86_64 ]] && want_format=pei-x86-64
check "format $want_format" grep -q "file format $want_format" <<<"$headers"
check "DYNAMIC_BASE (ASLR)" grep -qw DYNAMIC_BASE <<<"$headers"
check "NX_COMPAT (DEP)" grep -qw NX_COMPAT <<<"$headers"
check ".reloc section present" grep -qE '^\s+[0-9]+ \.reloc ' <<<"$sections"
# objdump marks a section writable by leaving out READONLY.
check "no section writable and executable" bash -c '! grep -A1 -E "^\s+[0-9]+ " <<<"$1" | grep "CODE" | grep -vq READONLY' _ "$sections"
system='^(KERNEL32|USER32|GDI32|COMCTL32|ole32|OLE32|msvcrt|ADVAPI32)\.(dll|DLL)$'
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
check "imports only system DLLs ($(echo $imports | tr ' ' ','))" bash -c '! grep -vqE "$1" <<<"$2"' _ "$system" "$imports"
check "common-controls 6 manifest" grep -qa 'Microsoft.Windows.Common-Controls' "$exe"
check "static C++ runtime (no libstdc++/libgcc/winpthread DLL)" bash -c '! grep -qiE "libstdc|libgcc|winpthread" <<<"$1"' _ "$imports"
printf '%-44s %s\n' "size" "$(stat -c %s "$exe") bytes"
exit $failed
