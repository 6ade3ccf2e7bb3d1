#!/usr/bin/env bash
# Installs the build into a scratch folder and runs Debian's hardening-check on the program there,
# then checks that every compile of the build carried the flags the binary cannot show.
#   check_hardening.sh BUILD_FOLDER HAS_CF_PROTECTION(0|1)
set -euo pipefail

build=$(realpath "$1")
has_cf_protection=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

DESTDIR="$scratch" cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 \
    || { cat "$scratch/install.log" >&2; exit 1; }

# Two lines of the report cannot pass on this program, whatever its flags:
# - fortification: the compiler calls a checking __*_chk function only where it knows the size of
#   the destination; this program's few memcpy and memmove calls have no such size, so the report
#   shows only unprotected functions (the false alarm hardening-check(1) describes);
# - control-flow protection: Debian 12's own start files (Scrt1.o, crti.o) carry no CET note, so
#   the linker marks no program on Debian 12 as protected.
# Both flags are checked on every compile command instead.
hardening-check --verbose --nofortify --nocfprotection "$scratch/usr/bin/quorvel"

commands="$build/compile_commands.json"
[ -f "$commands" ] || { echo "no $commands to check the compile flags in" >&2; exit 1; }
required=(-fstack-protector-strong -D_FORTIFY_SOURCE=2 -Werror=format-security)
[ "$has_cf_protection" = 1 ] && required+=(-fcf-protection)
failed=0
while IFS= read -r command; do
    for flag in "${required[@]}"; do
        if ! grep -qF -- " $flag " <<<" $command "; then
            echo "compiled without $flag: $command" >&2
            failed=1
        fi
    done
done < <(sed -n 's/^ *"command": "\(.*\)",\{0,1\}$/\1/p' "$commands")
[ "$failed" -eq 0 ] && echo "every compile command has: ${required[*]}"
exit "$failed"
