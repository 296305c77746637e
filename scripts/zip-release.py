"""Writes a zip whose bytes depend only on its files' bytes: every entry dated SOURCE_DATE_EPOCH, in
the order given, with fixed permissions and no extra fields.
    zip-release.py ZIP FOLDER NAME...   (the entries are FOLDER/NAME, stored as NAME)"""
import os
import sys
import time
import zipfile


def main(zip_path, folder, names):
    stamp = time.gmtime(max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800))[:6]
    with zipfile.ZipFile(zip_path, "w") as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, date_time=stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 0
            entry.external_attr = 0x20  # an ordinary file (FILE_ATTRIBUTE_ARCHIVE)
            with open(os.path.join(folder, name), "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
