#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) points at, one "field=value" line each:
target, working_dir, arguments, icon, icon_index, show_command, description.

    read_shortcut.py FILE.lnk

The layout is the Shell Link binary format: a 76-byte header, an optional list of shell item
ids, an optional LinkInfo block that holds the target's local path, then the optional strings
in a fixed order, each a count of characters followed by the characters.
"""
import struct
import sys

HEADER_SIZE = 0x4C
LINK_CLSID = bytes.fromhex("0114020000000000c000000000000046")

HAS_LINK_TARGET_ID_LIST = 0x01
HAS_LINK_INFO = 0x02
HAS_NAME = 0x04
HAS_RELATIVE_PATH = 0x08
HAS_WORKING_DIR = 0x10
HAS_ARGUMENTS = 0x20
HAS_ICON_LOCATION = 0x40
IS_UNICODE = 0x80

VOLUME_ID_AND_LOCAL_BASE_PATH = 0x01


def c_string(data, offset, unicode):
    """The zero-terminated string at offset: UTF-16 or the ANSI code page."""
    if unicode:
        end = offset
        while data[end:end + 2] != b"\0\0":
            end += 2
        return data[offset:end].decode("utf-16-le")
    end = data.index(b"\0", offset)
    return data[offset:end].decode("cp1252")


def read(data):
    if len(data) < HEADER_SIZE or struct.unpack_from("<I", data, 0)[0] != HEADER_SIZE:
        raise ValueError("not a shortcut: wrong header size")
    if data[4:20] != LINK_CLSID:
        raise ValueError("not a shortcut: wrong class id")
    flags, = struct.unpack_from("<I", data, 0x14)
    icon_index, show_command = struct.unpack_from("<iI", data, 0x38)
    fields = {"icon_index": str(icon_index), "show_command": str(show_command)}

    offset = HEADER_SIZE
    if flags & HAS_LINK_TARGET_ID_LIST:
        id_list_size, = struct.unpack_from("<H", data, offset)
        offset += 2 + id_list_size

    target = None
    if flags & HAS_LINK_INFO:
        info_size, header_size, info_flags = struct.unpack_from("<III", data, offset)
        if info_flags & VOLUME_ID_AND_LOCAL_BASE_PATH:
            base_path_offset, = struct.unpack_from("<I", data, offset + 16)
            target = c_string(data, offset + base_path_offset, False)
            # A header of 0x24 bytes or more also holds the path in UTF-16, which wins.
            if header_size >= 0x24:
                unicode_offset, = struct.unpack_from("<I", data, offset + 28)
                target = c_string(data, offset + unicode_offset, True)
        offset += info_size
    if target is None:
        raise ValueError("the shortcut holds no local path to its target")
    fields["target"] = target

    width = 2 if flags & IS_UNICODE else 1
    encoding = "utf-16-le" if flags & IS_UNICODE else "cp1252"
    for flag, name in ((HAS_NAME, "description"), (HAS_RELATIVE_PATH, "relative_path"),
                       (HAS_WORKING_DIR, "working_dir"), (HAS_ARGUMENTS, "arguments"),
                       (HAS_ICON_LOCATION, "icon")):
        if flags & flag:
            count, = struct.unpack_from("<H", data, offset)
            offset += 2
            text = data[offset:offset + count * width].decode(encoding)
            offset += count * width
            # Some writers count a terminating zero too.
            fields[name] = text.rstrip("\0")
        else:
            fields[name] = ""
    return fields


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: read_shortcut.py FILE.lnk")
    with open(sys.argv[1], "rb") as file:
        fields = read(file.read())
    for name in ("target", "working_dir", "arguments", "icon", "icon_index", "show_command",
                 "description"):
        print(f"{name}={fields[name]}")


if __name__ == "__main__":
    main()
