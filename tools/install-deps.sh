#!/usr/bin/env bash
# Installs the Debian packages the project needs, those missing only:
#   tools/install-deps.sh [GROUP...]
# GROUP is one or more of
#   build    (the default) g++, cmake, ninja-build and libgtest-dev: enough to
#            build the program and run every test
#   package  dpkg-dev and file, which the .deb's dependency list is read with;
#            lintian, Debian's package checker; groff-base and man-db, which
#            render the manual pages and find an installed one
#   windows  the MinGW-w64 cross compiler and wine, for vortelin.exe
#   fuzz     clang and its runtime libraries, for the libFuzzer targets
#   picture  an SVG renderer (rsvg-convert) and netpbm, with which CI renders
#            vortelin-overview's picture and checks its pixels
#   style    clang-format and clang-tidy, the style gates of CI, and the
#            benchmark library's header, which clang-tidy reads with the
#            benchmarks
# As root it installs them with apt-get; otherwise it names what is missing and
# how to install it, and fails. With everything there, it does nothing.
set -euo pipefail

packages=()
for group in "${@:-build}"; do
  case $group in
    build) packages+=(g++ cmake ninja-build libgtest-dev) ;;
    package) packages+=(dpkg-dev file lintian groff-base man-db) ;;
    windows) packages+=(g++-mingw-w64-x86-64 wine64 wine) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    picture) packages+=(librsvg2-bin netpbm) ;;
    style) packages+=(clang-format clang-tidy libbenchmark-dev) ;;
    *)
      echo "install-deps.sh: unknown group '$group' (build, package, windows, fuzz, picture or style)" >&2
      exit 2
      ;;
  esac
done

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  echo "install-deps.sh: not a Debian system; make sure the equivalents of these are" \
    "installed: ${packages[*]}" >&2
  exit 0
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps.sh: missing Debian packages: ${missing[*]}" >&2
  echo "install them as root (or with sudo): apt-get update && apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "install-deps.sh: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
