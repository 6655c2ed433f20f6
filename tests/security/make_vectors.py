#!/usr/bin/env python3
"""Known-answer vectors for the Standard security handler tests.

A textbook RC4 and hashlib's MD5, written straight from the PDF Reference
(algorithms 3.1 to 3.5), independent of the C++ code. Prints the rows of
the table in security_vectors.inc; rerun and paste when adding cases.
"""
import hashlib

PADDING = bytes.fromhex(
    "28BF4E5E4E758A4164004E56FFFA01082E2E00B6D0683E802F0CA9FE6453697A")

NAME = b"/out/deckpdf"
DATE = b"D:20240131120000+01'00'"

PRINT, MODIFY, COPY, ANNOT = 1 << 2, 1 << 1, 1 << 0, 1 << 3
FORMS, ACCESS, ASSEMBLY, HIGHRES = 1 << 4, 1 << 5, 1 << 6, 1 << 7


def rc4(key, data):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) % 256
        s[i], s[j] = s[j], s[i]
    i = j = 0
    out = bytearray()
    for byte in data:
        i = (i + 1) % 256
        j = (j + s[i]) % 256
        s[i], s[j] = s[j], s[i]
        out.append(byte ^ s[(s[i] + s[j]) % 256])
    return bytes(out)


def md5(data):
    return hashlib.md5(data).digest()


def pad(password):
    return (password[:32] + PADDING)[:32]


def p_value(revision, perms):
    if revision == 2:
        value = 0xFFFFFFC0
        extra = []
    else:
        value = 0xFFFFF0C0
        extra = [(FORMS, 256), (ACCESS, 512), (ASSEMBLY, 1024)]
    for member, bit in [(PRINT, 4), (MODIFY, 8), (COPY, 16), (ANNOT, 32)] + extra:
        if perms & member:
            value |= bit
    if revision == 3 and perms & HIGHRES and perms & PRINT:
        value |= 2048
    return value - (1 << 32) if value & 0x80000000 else value


def rounds(key, data):
    for i in range(20):
        data = rc4(bytes(b ^ i for b in key), data)
    return data


def owner_entry(revision, n, owner, user):
    d = md5(pad(owner or user))
    if revision == 3:
        for _ in range(50):
            d = md5(d)
    key = d[:n]
    return rc4(key, pad(user)) if revision == 2 else rounds(key, pad(user))


def document_key(revision, n, user, o, p, file_id):
    d = md5(pad(user) + o + (p & 0xFFFFFFFF).to_bytes(4, "little") + file_id)
    if revision == 3:
        for _ in range(50):
            d = md5(d[:16])
    return d[:n]


def user_entry(revision, key, file_id):
    if revision == 2:
        return rc4(key, PADDING)
    return rounds(key, md5(PADDING + file_id)) + bytes(16)


def object_key(key, number, generation):
    d = md5(key + number.to_bytes(4, "little")[:3] + generation.to_bytes(2, "little"))
    return d[:min(len(key) + 5, 16)]


SAMPLE = b"(Hello) \x00\xfe\xff\r\n "
SAMPLE_OBJECT = 7

CASES = [
    ("user password only", b"secret", b""),
    ("owner password only", b"", b"boss"),
    ("both passwords", b"reader", b"owner-pw"),
    ("both empty", b"", b""),
    ("longer than 32 bytes", b"0123456789abcdefghijklmnopqrstuvwxyz!!!!", b"OWNER-0123456789-0123456789-ABCDEFG"),
    ("bytes above 127", b"p\xe4ss\xfcw\xf6rd", b"\xa7\xff\x80\xc3\xa9"),
]
LEVELS = [("el40bit", 2, 5, 0xFF), ("el128bit", 3, 16, COPY)]


def main():
    file_id = md5(NAME + DATE)
    print(f'// name "{NAME.decode()}", date "{DATE.decode()}", file id {file_id.hex().upper()}')
    print(f'// sample {SAMPLE.hex().upper()} encrypted for object {SAMPLE_OBJECT}, generation 0')
    for label, user, owner in CASES:
        for level, revision, n, perms in LEVELS:
            p = p_value(revision, perms)
            o = owner_entry(revision, n, owner, user)
            key = document_key(revision, n, user, o, p, file_id)
            u = user_entry(revision, key, file_id)
            sample = rc4(object_key(key, SAMPLE_OBJECT, 0), SAMPLE)
            print(f'{{"{label}", TvePDFEncryptionLevel::{level}, 0x{perms:02X}, "{user.hex().upper()}", '
                  f'"{owner.hex().upper()}",\n "{o.hex().upper()}",\n "{u.hex().upper()}",\n'
                  f' "{key.hex().upper()}", "{sample.hex().upper()}"}},')


if __name__ == "__main__":
    main()
