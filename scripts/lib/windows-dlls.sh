# Sourced by the Windows scripts: the DLLs a Windows program needs beyond the system's, found by
# walking the imports of the program, then of each DLL found, in the folders given.

# needed_dlls FOLDERS FILE...: prints the path of every DLL FILE needs, directly or through
# another, that is in one of FOLDERS (a colon-separated list); DLLs in none of them are the
# system's (KERNEL32.dll, USER32.dll...) and are left out.
needed_dlls() {
    local folders
    IFS=: read -ra folders <<<"$1"
    shift
    local -A seen=()
    local queue=("$@") file name folder found
    while [ ${#queue[@]} -gt 0 ]; do
        file=${queue[0]}
        queue=("${queue[@]:1}")
        while read -r name; do
            [ -n "${seen[${name,,}]:-}" ] && continue
            seen[${name,,}]=1
            found=
            for folder in "${folders[@]}"; do
                # Windows matches names whatever their case.
                found=$(find "$folder" -maxdepth 1 -iname "$name" -print -quit 2>/dev/null)
                [ -n "$found" ] && break
            done
            if [ -n "$found" ]; then
                echo "$found"
                queue+=("$found")
            fi
        done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
    done
}
