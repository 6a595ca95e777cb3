#!/usr/bin/env bash
# Remakes the seed databases from the test fixtures' schemas: small pages keep the files small.
# Favicon database seeds start with the three bytes the target reads first: the layout (bit 0: Gecko) and
# whether a write-ahead log follows (bit 1), then where the database ends and the log begins.
set -euo pipefail
cd "$(dirname "$0")"
fixtures=../../tests/icons/fixtures
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
rm -f favicon_database/* backup_restore/*
icon="X'89504E470D0A1A0A0000000D4948445200000001000000010806000000'"

{ echo "PRAGMA page_size=512;"; cat "$fixtures/chromium-favicons.sql"
  echo "INSERT INTO meta VALUES('version','9'),('last_compatible_version','9');
        INSERT INTO favicons(url, icon_type) VALUES('https://example.org/favicon.ico', 1);
        INSERT INTO favicon_bitmaps(icon_id, image_data, width, height) VALUES(1, $icon, 16, 16);
        INSERT INTO favicon_bitmaps(icon_id, image_data, width, height) VALUES(1, $icon, 32, 32);
        INSERT INTO icon_mapping(page_url, icon_id) VALUES('https://www.example.org/', 1);"
} | sqlite3 "$scratch/chromium"
{ printf '\0\0\0'; cat "$scratch/chromium"; } > favicon_database/chromium

{ echo "PRAGMA page_size=512;"; cat "$fixtures/firefox-favicons.sql"
  echo "INSERT INTO moz_icons(icon_url, fixed_icon_url_hash, width, data) VALUES('https://example.org/i.png', 0, 32, $icon);
        INSERT INTO moz_pages_w_icons(page_url, page_url_hash) VALUES('http://example.org/', 0);
        INSERT INTO moz_icons_to_pages(page_id, icon_id) VALUES(1, 1);
        INSERT INTO moz_icons(icon_url, fixed_icon_url_hash, width, root, data)
            VALUES('https://example.org/favicon.ico', 0, 16, 1, $icon);"
} | sqlite3 "$scratch/firefox"
{ printf '\1\0\0'; cat "$scratch/firefox"; } > favicon_database/firefox

# A database whose newest icon is still in the log, as a running browser holds it.
python3 - "$scratch" <<'PYTHON'
import shutil, sqlite3, sys
folder = sys.argv[1]
db = sqlite3.connect(folder + "/wal")
db.executescript("PRAGMA page_size=512; PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
                 + open("../../tests/icons/fixtures/chromium-favicons.sql").read())
db.execute("PRAGMA wal_checkpoint(TRUNCATE)")
db.executescript("""
    INSERT INTO meta VALUES('version','9'),('last_compatible_version','9');
    INSERT INTO favicons(url, icon_type) VALUES('https://example.org/favicon.ico', 1);
    INSERT INTO favicon_bitmaps(icon_id, image_data, width, height)
        VALUES(1, X'89504E470D0A1A0A0000000D4948445200000001000000010806000000', 16, 16);
    INSERT INTO icon_mapping(page_url, icon_id) VALUES('https://example.org/', 1);""")
database = open(folder + "/wal", "rb").read()
log = open(folder + "/wal-wal", "rb").read()
open("favicon_database/chromium-with-log", "wb").write(
    bytes([2, len(database) & 0xFF, len(database) >> 8]) + database + log)
PYTHON

sqlite3 backup_restore/history <<'SQL'
PRAGMA page_size=512;
CREATE TABLE usage (day TEXT NOT NULL, kind INTEGER NOT NULL, id TEXT NOT NULL, name TEXT NOT NULL,
    seconds REAL NOT NULL, PRIMARY KEY (day, kind, id)) WITHOUT ROWID;
CREATE TABLE excluded (kind INTEGER NOT NULL, id TEXT NOT NULL, name TEXT NOT NULL, PRIMARY KEY (kind, id)) WITHOUT ROWID;
INSERT INTO usage VALUES ('2026-03-01', 0, 'firefox-esr', 'Firefox ESR', 3600.5), ('2026-03-01', 1, 'example.org',
    'example.org', 120), ('2026-03-02', 0, 'org.gnome.Nautilus', 'Files', 61);
SQL
sqlite3 backup_restore/view <<'SQL'
PRAGMA page_size=512;
CREATE TABLE rows (day TEXT, kind INTEGER, id TEXT, name TEXT, seconds REAL);
CREATE VIEW usage AS SELECT day, kind, id, name, seconds FROM rows;
INSERT INTO rows VALUES ('2026-03-01', 0, 'x', 'X', 1);
SQL
