#!/usr/bin/env bash
# Makes the repository's TEST signing keys (already committed in test-keys/; run
# again only to replace them). None of them is trusted anywhere: a test root and
# three leaves it issued, valid 2020-2120, RSA so that signatures are repeatable.
#   test-root             the root the tests verify against
#   test-microsoft-leaf   subject organisation "Microsoft Corporation": signs the
#                         DPInst stand-in, so that setup's signer check passes
#   test-other-leaf       another organisation: a DPInst it signs must be refused
#   test-release-leaf     signs release media when no vendor key is given
#   test-stray-root and test-stray-microsoft-leaf
#                         the same organisation under a root that is never
#                         imported anywhere: a DPInst it signs must be refused
#                         where the root is checked (Windows; Wine accepts it)
set -euo pipefail
cd "$(dirname "$0")/test-keys"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/ca.cnf" <<'CNF'
[ca]
default_ca = test
[test]
database = DB
new_certs_dir = DIR
serial = SERIAL
default_md = sha256
policy = any
copy_extensions = none
unique_subject = no
[any]
countryName = optional
organizationName = optional
organizationalUnitName = optional
commonName = supplied
[root_ext]
basicConstraints = critical, CA:true
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash
[leaf_ext]
basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature
extendedKeyUsage = codeSigning
subjectKeyIdentifier = hash
authorityKeyIdentifier = keyid
CNF
sed -i "s|DB|$work/index|; s|DIR|$work|; s|SERIAL|$work/serial|" "$work/ca.cnf"
: > "$work/index"
echo 1000 > "$work/serial"

issue() {  # name subject extension [signer]
  openssl genrsa -out "$1.key" 2048 2>/dev/null
  openssl req -new -key "$1.key" -subj "$2" -out "$work/$1.csr"
  local signing=(-selfsign -keyfile "$1.key")
  [ $# -lt 4 ] || signing=(-cert "$4.pem" -keyfile "$4.key")
  openssl ca -batch -config "$work/ca.cnf" -extensions "$3" -notext \
    -startdate 20200101000000Z -enddate 21200101000000Z \
    "${signing[@]}" -in "$work/$1.csr" -out "$1.pem" 2>/dev/null
}
issue test-root "/O=Quorix TEST ONLY/CN=Quorix TEST Root - not trusted anywhere" root_ext
issue test-microsoft-leaf "/C=US/O=Microsoft Corporation/OU=Quorix TEST ONLY - not Microsoft/CN=Microsoft Corporation" leaf_ext test-root
issue test-other-leaf "/C=KR/O=Other Vendor TEST ONLY/CN=Other Vendor TEST ONLY" leaf_ext test-root
issue test-release-leaf "/C=KR/O=Quorix TEST ONLY/CN=Quorix TEST release signing - not for distribution" leaf_ext test-root
issue test-stray-root "/O=Quorix TEST ONLY/CN=Quorix TEST stray root - never imported" root_ext
issue test-stray-microsoft-leaf "/C=US/O=Microsoft Corporation/OU=Quorix TEST ONLY - not Microsoft/CN=Microsoft Corporation" leaf_ext test-stray-root
echo "test keys written to $PWD"
