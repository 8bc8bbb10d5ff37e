#!/usr/bin/env python3
"""Mirrors the source tree with narrow string literals turned into CP932.

g++ compiles our UTF-8 literals to code page 932 through -fexec-charset=CP932;
clang (which the fuzz build needs for libFuzzer) only knows UTF-8. So for the
clang build every ordinary "..." and '...' literal is rewritten with each
non-ASCII character as the octal escapes of its CP932 bytes (octal, because
an escape never swallows more than three digits, and because a CP932 trail
byte may be 0x5C, the backslash). Literals with a prefix (u8, u, U, L) and raw
literals keep their text: the compiler gives them their own encoding anyway.

Usage: cp932_sources.py SOURCE_ROOT TARGET_ROOT
Only files whose converted text differs from the target are written, so an
incremental build recompiles what changed. A marker file CP932_LITERALS at the
target root tells CMake that the literals there are already CP932.
"""
import os
import sys

SOURCE_DIRS = ["foundation", "records", "project", "engine", "play", "graphics", "sound", "gui", "app",
               "platform", "tests", "tools"]
SOURCE_FILES = ["CMakeLists.txt", ".clang-format"]
CONVERT_SUFFIXES = (".cpp", ".h", ".hpp", ".inc")
PREFIXES = {"u8", "u", "U", "L"}
RAW_PREFIXES = {"R", "u8R", "uR", "UR", "LR"}


def escape_cp932(text, where):
    out = []
    for ch in text:
        if ord(ch) < 0x80:
            out.append(ch)
            continue
        try:
            encoded = ch.encode("cp932")
        except UnicodeEncodeError:
            sys.exit(f"{where}: character U+{ord(ch):04X} has no CP932 form")
        out.append("".join(f"\\{b:03o}" for b in encoded))
    return "".join(out)


def convert(src, where):
    """Returns src with the non-ASCII characters of plain literals escaped."""
    out = []
    i, n = 0, len(src)
    while i < n:
        c = src[i]
        if c == "/" and src.startswith("//", i):
            j = src.find("\n", i)
            j = n if j < 0 else j
            out.append(src[i:j])
            i = j
        elif c == "/" and src.startswith("/*", i):
            j = src.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(src[i:j])
            i = j
        elif c.isalnum() or c == "_":
            j = i
            while j < n and (src[j].isalnum() or src[j] == "_"):
                j += 1
            word = src[i:j]
            if j < n and src[j] in "\"'" and (word in PREFIXES or word in RAW_PREFIXES):
                if word in RAW_PREFIXES and src[j] == '"':
                    k = end_of_raw(src, j, where)
                else:
                    k = end_of_quoted(src, j, where)
                out.append(src[i:k])  # prefixed literals keep their text
                i = k
            elif c.isdigit():
                # a number, possibly with digit separators (1'000)
                while j < n and (src[j].isalnum() or src[j] in "_.'"):
                    j += 1
                out.append(src[i:j])
                i = j
            else:
                out.append(word)
                i = j
        elif c in "\"'":
            k = end_of_quoted(src, i, where)
            out.append(escape_cp932(src[i:k], where))
            i = k
        else:
            out.append(c)
            i += 1
    return "".join(out)


def end_of_quoted(src, i, where):
    quote = src[i]
    j = i + 1
    while j < len(src):
        if src[j] == "\\":
            j += 2
            continue
        if src[j] == quote:
            return j + 1
        if src[j] == "\n":
            return j  # a stray quote (say in an #if 0 block): leave the line as it is
        j += 1
    return j


def end_of_raw(src, i, where):
    paren = src.find("(", i)
    if paren < 0:
        sys.exit(f"{where}: bad raw literal at offset {i}")
    delim = src[i + 1:paren]
    end = src.find(")" + delim + '"', paren)
    if end < 0:
        sys.exit(f"{where}: unterminated raw literal at offset {i}")
    return end + len(delim) + 2


def write_if_changed(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except OSError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def mirror(src_root, dst_root):
    wanted = set()
    paths = [p for p in SOURCE_FILES if os.path.isfile(os.path.join(src_root, p))]
    for d in SOURCE_DIRS:
        for base, dirs, files in os.walk(os.path.join(src_root, d)):
            dirs[:] = [x for x in dirs if not x.startswith(".")]
            for f in files:
                paths.append(os.path.relpath(os.path.join(base, f), src_root))
    for rel in paths:
        with open(os.path.join(src_root, rel), "rb") as f:
            data = f.read()
        if rel.endswith(CONVERT_SUFFIXES):
            data = convert(data.decode("utf-8"), rel).encode("utf-8")
        write_if_changed(os.path.join(dst_root, rel), data)
        wanted.add(os.path.normpath(rel))
    write_if_changed(os.path.join(dst_root, "CP932_LITERALS"), b"literals are CP932 escapes\n")
    wanted.add("CP932_LITERALS")
    # Files deleted from the source leave the mirror too.
    for base, _, files in os.walk(dst_root):
        for f in files:
            rel = os.path.normpath(os.path.relpath(os.path.join(base, f), dst_root))
            if rel not in wanted:
                os.remove(os.path.join(base, f))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    mirror(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
