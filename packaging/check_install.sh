#!/usr/bin/env bash
# Installs the build into a scratch folder, as `cmake --install` puts it on a desktop, and checks
# one side of what is installed there:
#   check_install.sh BUILD_FOLDER desktop-entry    desktop-file-validate, hints included
#   check_install.sh BUILD_FOLDER metainfo         appstreamcli validate-tree --pedantic
#   check_install.sh BUILD_FOLDER manual           man --warnings on the manual page
#   check_install.sh BUILD_FOLDER hardening 0|1 0|1  hardening-check, and the flags of every
#                                                  compile (1: the compiler has -fcf-protection,
#                                                  then -mbranch-protection)
set -euo pipefail

build=$(realpath "$1")
check=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 \
    || { cat "$scratch/install.log" >&2; exit 1; }
usr=$scratch/root/usr

case "$check" in
desktop-entry)
    entry=$usr/share/applications/org.quorvel.quorvel.desktop
    # desktop-file-validate exits 0 on hints and some warnings: any output at all is a finding.
    report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report" >&2; exit 1; }
    [ -z "$report" ] || { echo "$report" >&2; exit 1; }
    echo "desktop-file-validate: $entry: nothing to report"
    ;;
metainfo)
    appstreamcli validate-tree --pedantic --no-net --no-color "$scratch/root"
    ;;
manual)
    page=$usr/share/man/man1/quorvel.1.gz
    [ -f "$page" ] || { echo "no manual page at $page" >&2; exit 1; }
    report=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$report" ] || { echo "$report" >&2; exit 1; }
    echo "man --warnings: $page: nothing to report"
    ;;
hardening)
    has_cf_protection=$3
    has_branch_protection=${4:-0}
    # Two lines of the report cannot pass on this program, whatever its flags:
    # - fortification: the compiler calls a checking __*_chk function only where it knows the
    #   size of the destination; this program's few memcpy and memmove calls have no such size,
    #   so the report shows only unprotected functions (the false alarm hardening-check(1)
    #   describes);
    # - control-flow protection: Debian 12's own start files (Scrt1.o, crti.o) carry no CET note,
    #   so the linker marks no program on Debian 12 as protected.
    # Both flags are checked on every compile command instead. Branch protection, which Debian
    # 13's hardening-check asks of every program, is arm64's alone: it is skipped where the
    # compiler has no such flag (the option to skip it came with that hardening-check).
    skip=(--nofortify --nocfprotection)
    options=$(hardening-check --help 2>&1 || true)
    if [ "$has_branch_protection" != 1 ] && grep -q -- --nobranchprotection <<<"$options"; then
        skip+=(--nobranchprotection)
    fi
    hardening-check --verbose "${skip[@]}" "$usr/bin/quorvel"
    commands=$build/compile_commands.json
    [ -f "$commands" ] || { echo "no $commands to check the compile flags in" >&2; exit 1; }
    required=(-fstack-protector-strong -D_FORTIFY_SOURCE=2 -Werror=format-security)
    [ "$has_cf_protection" = 1 ] && required+=(-fcf-protection)
    [ "$has_branch_protection" = 1 ] && required+=(-mbranch-protection=standard)
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
    ;;
*)
    echo "check_install.sh: unknown check: $check" >&2
    exit 2
    ;;
esac
