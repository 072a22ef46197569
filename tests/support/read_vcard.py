"""Reads one vCard file with python3-vobject and prints its properties as
JSON, so that the tests can check our files with a reader we did not write.

Each property becomes {"name", "params", "value"} (params: the bare
parameters such as HOME): N and ADR values are
lists of their components, a PHOTO value is its bytes in Base64, any other
value is text."""
import base64
import json
import sys

import vobject


def value_of(line):
    v = line.value
    if isinstance(v, vobject.vcard.Name):
        return [v.family, v.given, v.additional, v.prefix, v.suffix]
    if isinstance(v, vobject.vcard.Address):
        return [v.box, v.extended, v.street, v.city, v.region, v.code, v.country]
    if isinstance(v, list):
        return ";".join(v)
    if isinstance(v, bytes):
        return base64.b64encode(v).decode("ascii")
    return str(v)


def main(path, encoding):
    with open(path, encoding=encoding, newline="") as f:
        card = vobject.readOne(f.read())
    props = []
    for line in card.lines():
        props.append({"name": line.name, "params": sorted(line.singletonparams),
                      "value": value_of(line)})
    json.dump(props, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "utf-8-sig")
