# What the end-to-end scripts under wine share; they source this file.

fail() { echo "FAIL: $*" >&2; exit 1; }
# A Linux path as wine's Z: drive names it.
windows_path() { local path=$1; echo "Z:${path//\//\\}"; }
# A number as printf escapes of its four bytes, lowest first, as WAV headers hold it.
le32() { printf '\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
# usage: bytes_of FILE OFFSET COUNT
bytes_of() { dd if="$1" bs=65536 iflag=skip_bytes,count_bytes skip="$2" count="$3" status=none; }
