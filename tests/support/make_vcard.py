"""Writes a vCard 3.0 file with python3-vobject, so that the tests read a
card made by a writer we did not write: a name, a company, two addresses,
three telephones (one preferred), two e-mails, a folded multi-line note
with commas and semicolons, a birthday and a small JPEG photo."""
import sys

import vobject


def main(path, photo_path):
    card = vobject.vCard()
    card.add("n").value = vobject.vcard.Name(family="Ortega", given="Lucía", additional="M", prefix="Dr.")
    card.add("fn").value = "Lucía M Ortega"
    card.add("org").value = ["Harbor & Finch", "Research"]
    home = card.add("adr")
    home.value = vobject.vcard.Address(street="12 Quay Street", city="Port Avel", region="North",
                                       code="40210", country="Utopia")
    home.type_param = "HOME"
    work = card.add("adr")
    work.value = vobject.vcard.Address(street="1 Mill Lane", city="Westfold", code="9000")
    work.type_param = "WORK"
    for number, types in (("555 0100", ["HOME", "VOICE", "PREF"]), ("555 0199", ["CELL"]),
                          ("555 0300", ["WORK", "FAX"])):
        tel = card.add("tel")
        tel.value = number
        tel.type_paramlist = types
    card.add("email").value = "lucia@example.org"
    card.add("email").value = "second@example.org"
    card.add("note").value = "Call after 5:30, not before;\nring twice. " + "A long line that must be folded. " * 4
    card.add("bday").value = "1984-03-07"
    card.add("title").value = "Surveyor"
    with open(photo_path, "rb") as f:
        photo = card.add("photo")
        photo.value = f.read()
        photo.encoding_param = "b"
        photo.type_param = "JPEG"
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(card.serialize())


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
