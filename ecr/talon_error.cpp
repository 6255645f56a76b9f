#include "ecr/talon_error.h"

#include <cstddef>

namespace {
struct CodeText {
    int Code;
    const char* Text;
};

// The register's own texts (Windows-1251); every code not listed has no text.
constexpr CodeText KnownMessages[] = {
    {0, "Operacija je uspesna"},
    {1, "Operacija nije dozvoljena u fiskalnom sistemu"},
    {2, "Greska u kontrolnoj sumi"},
    {3, "Pogresan br. parametara"},
    {4, "Pogresan parametar"},
    {5, "Grska u satu RTC"},
    {6, "Fatalna greska u fiskalnom modemu"},
    {7, "Operacija nije dozvoljena u nefiskalnom modu"},
    {8, "Brojaci nisu anulirani"},
    {9, "U ovom modu nije dozvoljeno pisanje"},
    {10, "Podignut je poklopac"},
    {11, "Podignuta je poluga u stamparskom mehanizmu"},
    {12, "Nema papira (trake)"},
    {13, "Greska u mehanizmu za stampanje"},
    {14, "Greska u mehanizmu za stampanje ili je ispraznjena baterija"},
    {15, "Slabi akumulator"},
    {20, "Izabran je nezaprogramirani broj u bazi PLU"},
    {21, "Izabran je nezaprogramirani broj ambalaze"},
    {23, "Izabran je nezaprogramirani brzi tatser"},
    {24, "Izabran je nezaprogramirani nacin placanja"},
    {25, "Izabran je blagajnik koji nije zaprogr. u bazi"},
    {26, "Nema odseka"},
    {30, "Statistike zapisa nisu anulirane"},
    {32, "Pogresan datum i vreme"},
    {33, "Datum je raniji od datuma u fiskalnom modemu"},
    {34, "Sat je vec podesen"},
    {35, "Greska u satu vise od \xB1"
         "1 sata"},
    {40, "Nema definisanih izvestaja"},
    {41, "Nema zapisa za stampanje"},
    {42, "Blokada nakon greske fiskalnog modula"},
    {50, "Decimalna vrednost"},
    {51, "Ne moze se izvrsiti prodaja"},
    {52, "Cena je jednaka 0"},
    {53, "Razlicita cena nego u bazi"},
    {54, "Greska storno poslednje pozicije (nema poslednje pozicije ili je vec stornirana)"},
    {55, "Pogresna linija prodaje ili storno"},
    {56, "Previse linija na racunu"},
    {57, "Transakcija ukljucena"},
    {58, "Transakcija iskljucena"},
    {59, "Nema zavrsetka racuna"},
    {60, "Prekoracena je max vrednost na racunu"},
    {61, "Prekoracena je max kolicina"},
    {62, "Format kolicine je pogresan"},
    {63, "Netacne vrednosti"},
    {64, "Brojaci su prepuni"},
    {65, "Greska storniranih pozicija"},
    {66, "Cena manja od min"},
    {67, "Cena veca od max"},
    {68, "Kolicina ambalaze premasuje granicu"},
    {70, "Poreska stopa nije aktivna"},
    {71, "Ceka na cenu"},
    {72, "Greska ponovljene linije"},
    {80, "Pogresan datum ili brojevi dnevnih izv.u periodicnom izvestaju"},
    {84, "Nema izvestaja u danomperiodu"},
    {92, "Datum u kasi je raniji nego datum u fiskalnom modemu"},
    {93, "Programiranje vec uvedene stope"},
    {94, "Pogrsne poreske stope"},
    {95, "Veci broj promene stopa nego sto je dozvoljeno"},
    {100, "Nema naslova"},
    {101, "Greska u programiranju naslova"},
    {102, "Greska u izrdai dnevnog izvestaja"},
    {103, "Nema upisanog PIB ili ih je vise upisano"},
    {104, "Pogresna sifra korisnika"},
    {105, "Unesena vrednost nije pravilna"},
    {106, "Unesena vrednost je suvise mala"},
    {107, "Unesena vrednost je suvise velika"},
    {108, "Nije jedinstven naziv"},
    {109, "Brojac dokumenata je neispravan"},
    {110, "Greska u dodavanju registra do baze podataka"},
    {111, "Pogresan broj registra pri programiranju baze podataka"},
    {112, "Prazno polje"},
    {113, "Nije jedinstven naziv"},
    {114, "Nije jedinstvena sifra"},
    {115, "Nema naziva"},
    {117, "Cana min je veca od max"},
    {121, "Rekord je vec upisan"},
    {122, "Nije jedinstven bar kod"},
    {123, "Pogresan je format bar koda"},
    {125, "Nedozvoljeni pokusaj dodavanja zapisa u bazu podataka"},
    {129, "Greska pri proveri cena"},
    {130, "Pogresna linija u bajtima"},
    {131, "Pogresan tip grafije"},
    {132, "Pogresan broj linija"},
    {133, "Pogresan br.linije"},
    {134, "Pogrsna duzina podataka"},
    {135, "Graficki podatak je izvan opsega 0-9, A-F."},
    {136, "Nema grafike"},
    {140, "Isti kod"},
    {141, "Pogresan kod"},
    {142, "Nije unet kod za autorizaciju"},
    {150, "Zaglavlje u memoriji je osteceno"},
    {151, "Konfiguracioni podaci su osteceni"},
    {152, "Baza podataka je ostecena"},
    {254, "Funkcija nije dozvoljena"},
    {255, "Funkcija nije dostupna"},
};

constexpr const char* UnknownText = "???";

constexpr const char* TextOf(int code) {
    for (const CodeText& known : KnownMessages) {
        if (known.Code == code) {
            return known.Text;
        }
    }
    return UnknownText;
}
} // namespace

// Sixteen consecutive codes from n on.
#define TALON_MESSAGE_ROW(n)                                                                       \
    TextOf(n + 0), TextOf(n + 1), TextOf(n + 2), TextOf(n + 3), TextOf(n + 4), TextOf(n + 5),      \
        TextOf(n + 6), TextOf(n + 7), TextOf(n + 8), TextOf(n + 9), TextOf(n + 10),                \
        TextOf(n + 11), TextOf(n + 12), TextOf(n + 13), TextOf(n + 14), TextOf(n + 15)

const ECRString RegisterMessages[RegisterMessageCount] = {
    TALON_MESSAGE_ROW(0),   TALON_MESSAGE_ROW(16),  TALON_MESSAGE_ROW(32),  TALON_MESSAGE_ROW(48),
    TALON_MESSAGE_ROW(64),  TALON_MESSAGE_ROW(80),  TALON_MESSAGE_ROW(96),  TALON_MESSAGE_ROW(112),
    TALON_MESSAGE_ROW(128), TALON_MESSAGE_ROW(144), TALON_MESSAGE_ROW(160), TALON_MESSAGE_ROW(176),
    TALON_MESSAGE_ROW(192), TALON_MESSAGE_ROW(208), TALON_MESSAGE_ROW(224), TALON_MESSAGE_ROW(240)};

#undef TALON_MESSAGE_ROW

const ECRString& RegisterMessage(std::int32_t code) {
    // Codes come from the register's reply and can be any number; the table must never
    // be read outside its range.
    static const ECRString unknown(UnknownText);
    if (code < 0 || code >= RegisterMessageCount) {
        return unknown;
    }
    return RegisterMessages[code];
}

const ECRString& TalonError::GetErrorMessage() const {
    return RegisterMessage(ErrorCode);
}
