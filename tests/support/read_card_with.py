"""Reads one vCard 3.0 or 4.0 file with a parser nobody here wrote and
prints its properties as JSON, the same shape whichever parser read them,
so that the tests can compare them field by field.

    read_card_with.py vobject|ebook FILE

Each property becomes {"name", "types", "pref", "value"}: types are the
TYPE values in lower case without "pref"; pref is, for vobject, whether
TYPE held PREF or PREF=1 was given (it has no notion of its own), for
libebook whether Evolution takes the value as preferred (a TYPE of PREF);
N, ADR and ORG values are lists of their components; a PHOTO value is its
bytes in Base64, whether it came as ENCODING=b or as a data: URI.
(Neither parser decodes a 4.0 data: URI itself: vobject's photo behaviour
keeps only what stands before its comma, so its URI is taken from the
parsed property as it stands; libebook's contact gives it as the photo's
address only when the property says it is a URI. Either is decoded
here; a photo libebook's contact does not give is empty.)"""
import base64
import io
import json
import sys


def photo_bytes(value):
    if isinstance(value, bytes):
        return value
    if value.startswith("data:"):
        head, _, data = value.partition(",")
        if not head.endswith(";base64"):
            raise ValueError("a data: URI that is not Base64")
        return base64.b64decode(data)
    return base64.b64decode(value)


def entry(name, types, pref, value):
    types = [t.lower() for t in types]
    pref = pref or "pref" in types
    types = sorted(t for t in types if t != "pref")
    if name == "PHOTO":
        value = base64.b64encode(photo_bytes(value)).decode("ascii")
    return {"name": name, "types": types, "pref": pref, "value": value}


def with_vobject(text):
    import vobject

    card = vobject.readOne(text)
    # The photo as vobject's line parser read it, before its behaviours.
    raw_photo = [
        vobject.base.textLineToContentLine(line, n).value
        for line, n in vobject.base.getLogicalLines(io.StringIO(text))
        if line.upper().startswith("PHOTO")
    ]
    out = []
    for line in card.lines():
        params = {k.upper(): v for k, v in line.params.items()}
        types = [t for v in params.get("TYPE", []) for t in v.split(",")]
        v = line.value
        if isinstance(v, vobject.vcard.Name):
            v = [v.family, v.given, v.additional, v.prefix, v.suffix]
        elif isinstance(v, vobject.vcard.Address):
            v = [v.box, v.extended, v.street, v.city, v.region, v.code, v.country]
        elif line.name.upper() == "PHOTO" and not isinstance(v, bytes):
            v = raw_photo[0]
        out.append(entry(line.name.upper(), types, "PREF" in params, v))
    return out


def with_ebook(text):
    import gi

    gi.require_version("EBookContacts", "1.2")
    from gi.repository import EBookContacts

    card = EBookContacts.VCard.new_from_string(text)
    out = []
    for attr in card.get_attributes():
        name = attr.get_name().upper()
        types = []
        for param in attr.get_params():
            if param.get_name().upper() == "TYPE":
                types += [t for v in param.get_values() for t in v.split(",")]
        pref = attr.has_type("PREF")
        if name == "PHOTO":
            photo = EBookContacts.Contact.new_from_vcard(text).get_property("photo")
            if photo is None:
                value = b""
            elif photo.type == EBookContacts.ContactPhotoType.INLINED:
                value = photo.get_inlined()
            else:
                value = photo.get_uri()
        elif name in ("N", "ADR", "ORG"):
            value = list(attr.get_values())
        else:
            value = attr.get_value()
        out.append(entry(name, types, pref, value))
    return out


def main(reader, path):
    with open(path, encoding="utf-8", newline="") as f:
        text = f.read()
    props = with_vobject(text) if reader == "vobject" else with_ebook(text)
    json.dump(props, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
