# Sourced by the scripts here: install_missing PACKAGE... installs, through apt-get (and
# sudo when not root), the Debian packages that are not installed yet. apt's chatter goes
# to standard error, so a script's own output stays clean.
install_missing() {
    local missing=() package sudo=""
    for package in "$@"; do
        [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) == "install ok installed" ]] ||
            missing+=("$package")
    done
    [[ ${#missing[@]} -gt 0 ]] || return 0
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
        "${missing[@]}" >&2
}
