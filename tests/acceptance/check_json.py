#!/usr/bin/env python3
"""Reads the JSON Lines a case printed with a real JSON parser and holds them to the store.

    check_json.py STDOUT STORE [ARGUMENT...]

Every line must parse; every string must map back to bytes under windows-1252 as the WHATWG
Encoding Standard reads it (one code point per byte); each record's text must come back as the
exact bytes of that record in the hierarchy file (read as Windows text mode reads it, 98 bytes
at most a record), and the summary must agree with the file. ARGUMENTs are the tool's own, so
that -C DIR is followed to the store it names.
"""
import json
import os
import sys

# The WHATWG windows-1252 decoder: Python's cp1252 but for the five bytes it leaves undefined,
# which WHATWG maps to the C1 control of the same number.
DECODE = {}
for value in range(256):
    try:
        DECODE[value] = bytes([value]).decode("cp1252")
    except UnicodeDecodeError:
        DECODE[value] = chr(value)
ENCODE = {character: value for value, character in DECODE.items()}
assert len(ENCODE) == 256


def to_bytes(text):
    try:
        return bytes(ENCODE[character] for character in text)
    except KeyError as missing:
        raise AssertionError(f"{text!r}: code point {missing} is no windows-1252 byte") from None


def store_directory(store, arguments):
    directory = store
    index = 0
    while index < len(arguments):
        argument = arguments[index]
        if argument == "--":
            break
        if argument == "-C" or argument == "--directory":
            index += 1
            directory = os.path.join(directory, arguments[index])
        elif argument.startswith("-C"):
            directory = os.path.join(directory, argument[2:])
        elif argument.startswith("--directory="):
            directory = os.path.join(directory, argument[len("--directory="):])
        index += 1
    return directory


def records_of(data):
    data = data.split(b"\x1a", 1)[0].replace(b"\r\n", b"\n")
    records = []
    while data:
        piece = data[:98]
        end = piece.find(b"\n")
        length = end + 1 if end >= 0 else len(piece)
        records.append(data[:length])
        data = data[length:]
    return records


def main():
    output, store, arguments = sys.argv[1], sys.argv[2], sys.argv[3:]
    with open(output, "rb") as file:
        lines = file.read().decode("utf-8").splitlines()
    objects = [json.loads(line) for line in lines]
    for value in objects:
        for key, field in value.items():
            if isinstance(field, str):
                to_bytes(field)

    assert objects[0]["type"] == "store", objects[0]
    assert objects[-1]["type"] == "summary", objects[-1]
    hierarchy = os.path.join(store_directory(store, arguments), to_bytes(objects[0]["hierarchy_file"]).decode("latin-1"))
    with open(hierarchy, "rb") as file:
        data = file.read()
    records = records_of(data)
    summary = objects[-1]
    assert summary["records"] == len(records), (summary, len(records))
    assert summary["missing"] == summary["folders"] - summary["present"], summary

    first_line = data.split(b"\x1a", 1)[0].replace(b"\r\n", b"\n")[:159]
    first_line = first_line[: first_line.find(b"\n") + 1] if b"\n" in first_line else first_line
    rest = first_line[4:]
    main_folder_id = rest[: rest.find(b",")] if b"," in rest else rest.rstrip(b"\n")
    assert to_bytes(objects[0]["main_folder_id"]) == main_folder_id[:49], objects[0]

    kinds = {ord("1"): "tray", ord("0"): "folder"}
    for value in objects[1:-1]:
        if value["type"] != "record":
            assert value["type"] == "orphan" and value["name"], value
            continue
        record = records[value["index"] - 1]
        assert to_bytes(value["text"]) == record, (value, record)
        assert value["kind"] == kinds.get(record[0], "other"), value
        assert value["in_main_folder"] == (main_folder_id[:49] in record), value
        assert ("message_file" in value) == (value["kind"] == "folder"), value
    print(f"json: {len(objects)} lines parsed, every string maps back to its bytes")


if __name__ == "__main__":
    main()
