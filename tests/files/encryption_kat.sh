#!/usr/bin/env bash
# Computes the known answers of tests/data/encryption-kat.tsv with the openssl command line, apart
# from the library: key = base "TcUtils8" plus the key text byte by byte (mod 256); AES key and vector
# = the two halves of SHA-256(key); CFB-128 below 16 bytes; from 16 bytes, plain CBC without
# padding over the zero-padded data, then the last two blocks swapped and the (old) second-to-last
# cut to the length of the last partial block (ciphertext stealing, form CS3).
#   usage: encryption_kat.sh KEY_TEXT PLAINTEXT      (prints the ciphertext in hex)
set -euo pipefail
keytext=$(printf '%s' "$1" | xxd -p | tr -d '\n')
plain=$(printf '%s' "$2" | xxd -p | tr -d '\n')
base=$(printf 'TcUtils8' | xxd -p)

key=""
for i in 0 1 2 3 4 5 6 7; do
    b=$((16#${base:$((2 * i)):2}))
    if [ $((2 * i)) -lt ${#keytext} ]; then b=$(((b + 16#${keytext:$((2 * i)):2}) % 256)); fi
    key+=$(printf '%02x' "$b")
done
digest=$(printf '%s' "$key" | xxd -r -p | openssl dgst -sha256 -binary | xxd -p | tr -d '\n')
aeskey=${digest:0:32}
iv=${digest:32:32}

n=$((${#plain} / 2))
if [ "$n" -eq 0 ]; then echo ""; exit 0; fi
if [ "$n" -lt 16 ]; then
    printf '%s' "$plain" | xxd -r -p | openssl enc -aes-128-cfb -K "$aeskey" -iv "$iv" |
        xxd -p | tr -d '\n'
    echo
    exit 0
fi
blocks=$(((n + 15) / 16))
padded=$plain
while [ ${#padded} -lt $((blocks * 32)) ]; do padded+=00; done
cbc=$(printf '%s' "$padded" | xxd -r -p |
    openssl enc -aes-128-cbc -nopad -K "$aeskey" -iv "$iv" | xxd -p | tr -d '\n')
if [ "$blocks" -eq 1 ]; then echo "$cbc"; exit 0; fi
d=$((n - 16 * (blocks - 1)))
head=${cbc:0:$((32 * (blocks - 2)))}
last=${cbc:$((32 * (blocks - 1))):32}
stolen=${cbc:$((32 * (blocks - 2))):$((2 * d))}
echo "$head$last$stolen"
