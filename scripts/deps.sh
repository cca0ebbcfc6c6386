# Installs the Debian packages the build needs, once; sourced by the other scripts.
dd_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libbenchmark-dev)

dd_install_packages() {
  local missing=()
  for p in "${dd_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
}
