#!/usr/bin/env bash
# Signs a Windows program in place (Authenticode, SHA-256) at a fixed signing
# time, so that the same program and key give the same bytes every time.
#
#   sign.sh --test LEAF [--time T] [--name TEXT] FILE
#       with the repository's test leaf LEAF (test-keys/LEAF.pem and .key):
#       test builds only, never what ships
#   sign.sh [--time T] [--name TEXT] FILE
#       with the vendor's key from the environment:
#         QUORIX_SIGN_PKCS12         a PKCS#12 file (certificate chain and key)
#         QUORIX_SIGN_PASSWORD_FILE  a file holding its password (first line)
#       or
#         QUORIX_SIGN_CERT           PEM certificate chain, signer first
#         QUORIX_SIGN_KEY            PEM private key (QUORIX_SIGN_PASSWORD_FILE
#                                    too, when the key is encrypted)
#       Without them: the test leaf test-release-leaf, with a warning.
#
# T is a Unix time (default: SOURCE_DATE_EPOCH, else 1577836800, 2020-01-01).
# Exit 0 once FILE is signed; on any failure FILE is left as it was.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
leaf="" name="" time=${SOURCE_DATE_EPOCH:-1577836800}
while [ $# -gt 1 ]; do
  case $1 in
    --test) leaf=$2; shift 2 ;;
    --time) time=$2; shift 2 ;;
    --name) name=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -eq 1 ] || { echo "usage: sign.sh [--test LEAF] [--time T] [--name TEXT] FILE" >&2; exit 2; }
file=$1
[ -f "$file" ] || { echo "sign.sh: no file $file" >&2; exit 1; }

key_args=()
if [ -z "$leaf" ] && [ -n "${QUORIX_SIGN_PKCS12:-}" ]; then
  [ -n "${QUORIX_SIGN_PASSWORD_FILE:-}" ] || { echo "sign.sh: QUORIX_SIGN_PKCS12 needs QUORIX_SIGN_PASSWORD_FILE" >&2; exit 1; }
  key_args=(-pkcs12 "$QUORIX_SIGN_PKCS12" -readpass "$QUORIX_SIGN_PASSWORD_FILE")
elif [ -z "$leaf" ] && [ -n "${QUORIX_SIGN_CERT:-}${QUORIX_SIGN_KEY:-}" ]; then
  [ -n "${QUORIX_SIGN_CERT:-}" ] && [ -n "${QUORIX_SIGN_KEY:-}" ] ||
    { echo "sign.sh: QUORIX_SIGN_CERT and QUORIX_SIGN_KEY go together" >&2; exit 1; }
  key_args=(-certs "$QUORIX_SIGN_CERT" -key "$QUORIX_SIGN_KEY")
  [ -z "${QUORIX_SIGN_PASSWORD_FILE:-}" ] || key_args+=(-readpass "$QUORIX_SIGN_PASSWORD_FILE")
else
  if [ -z "$leaf" ]; then
    leaf=test-release-leaf
    echo "sign.sh: WARNING: no vendor key given; $(basename "$file") is TEST-SIGNED (not for distribution)" >&2
  fi
  [ -f "$here/test-keys/$leaf.pem" ] || { echo "sign.sh: no test leaf $leaf" >&2; exit 1; }
  key_args=(-certs "$here/test-keys/$leaf.pem" -key "$here/test-keys/$leaf.key")
fi

name_args=()
[ -z "$name" ] || name_args=(-n "$name")
out="$file.signing.$$"
trap 'rm -f "$out"' EXIT
osslsigncode sign "${key_args[@]}" "${name_args[@]}" -h sha256 -time "$time" -in "$file" -out "$out" >/dev/null
mv -f "$out" "$file"
