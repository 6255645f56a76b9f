#include "cli/cli_usage.h"

#ifndef TALON_VERSION
#define TALON_VERSION "?"
#endif

const char CliVersion[] = "talonsendplu-cli " TALON_VERSION "\n";

const char CliUsage[] =
    "Upotreba: talonsendplu-cli KOMANDA [opcije]\n"
    "Programira artikle (PLU) Talon fiskalne kase preko serijskog porta.\n"
    "\n"
    "Komande:\n"
    "  status [--json]          16 redova statusa kase (--json: jedan JSON objekat)\n"
    "  list [-o FAJL]           cita sve artikle iz kase i upisuje ih u FAJL kao \"Snimi\"\n"
    "                           (bez -o ili sa -o -: UTF-8 TSV na standardni izlaz)\n"
    "  send FAJL [--arrange]    ucitava FAJL kao \"Ucitaj\" i upisuje sve artikle u kasu\n"
    "                           (--arrange: prvo rasporedjuje po barkodu)\n"
    "  sync FAJL [--arrange] [--dry-run] [--prune] [--verify]\n"
    "                           upisuje samo artikle koji se razlikuju od slike kase\n"
    "                           (--dry-run: samo ispisuje sta bi upisao; --prune: brise i\n"
    "                           artikle kojih u FAJL-u vise nema, nikad lokaciju 1;\n"
    "                           --verify: cita nazad svaki upisan artikal i poredi ga)\n"
    "  erase N...               brise artikle sa lokacija N (nikad lokaciju 1)\n"
    "  erase --all              brise sve artikle iz kase osim lokacije 1\n"
    "  examine FAJL             dupli nazivi i barkodovi u FAJL-u, bez kase\n"
    "\n"
    "Opcije:\n"
    "  --port P                 1-4 (COM1-COM4), putanja uredjaja (/dev/ttyUSB0) ili\n"
    "                           emulator; vise puta za vise kasa odjednom (status, send,\n"
    "                           erase); bez --port: 1\n"
    "  --speed 9600|19200       brzina linije (podrazumevano 9600)\n"
    "  --password-file F        lozinka iz prvog reda fajla F; inace iz promenljive\n"
    "                           TALON_PASSWORD; inace 7351\n"
    "  --print on|off           stampanje na kasi (podrazumevano off)\n"
    "  --quiet                  bez trake napretka; dnevnik samo kad nesto ne uspe\n"
    "  --help                   ovaj tekst\n"
    "  --version                verzija programa\n"
    "\n"
    "Dnevnik ide na standardni izlaz za greske (UTF-8), rezultat na standardni izlaz.\n"
    "Izlazni status: 0 sve uradjeno; 1 kasa je odbila artikal ili komandu; 2 pogresna\n"
    "upotreba ili necitljiv fajl (nista nije poslato); 3 port nije otvoren ili kasa ne\n"
    "odgovara; 4 veza je prekinuta u toku rada; 130 prekinuto sa Ctrl+C. Kod sync,\n"
    "1 i kad slika kase nije pouzdana (tada nista nije upisano).\n";
