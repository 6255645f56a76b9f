@echo off
rem nocna-cene.cmd: svake noci izmene cena iz cenovnika u sve sacuvane kase.
rem
rem Salje ("sync") samo artikle koji su se promenili, u svaku kasu sa stranice "Kase"
rem koja je ukljucena, i u fajl DNEVNIK dopisuje sta je uradjeno i izlazni status
rem (0 sve uradjeno; 1 kasa je odbila artikal ili slika kase nije pouzdana; 2 fajl ili
rem slika kase; 3 kasa ne odgovara; 4 veza prekinuta). Vidi Uputstvo, "Automatsko
rem slanje cena".
rem
rem Zakazivanje, jednom, u komandnoj liniji (cmd) korisnika koji radi sa programom:
rem   schtasks /Create /TN "TalonSendPLU nocne cene" /SC DAILY /ST 02:30
rem            /TR "C:\Cene\nocna-cene.cmd" /RU %USERNAME% /RP *
rem (sve u jednom redu). Zadatak radi kao taj korisnik: slike kasa, istorija izmena i
rem spisak kasa su u njegovom folderu %LOCALAPPDATA%\talonsendplu; zadatak pokrenut kao
rem SYSTEM ili kao drugi korisnik ne bi video nijednu sacuvanu kasu.
rem Program TalonSendPLU nocu mora biti zatvoren (ili bar "Zatvori"), inace je port
rem zauzet.

setlocal
set "PROGRAM=C:\Program Files\TalonSendPLU\talonsendplu-cli.exe"
set "CENOVNIK=C:\Cene\cene.xlsx"
set "DNEVNIK=C:\Cene\nocna-cene.log"

echo %DATE% %TIME% pocetak: "%CENOVNIK%">>"%DNEVNIK%"
"%PROGRAM%" sync "%CENOVNIK%" --all >>"%DNEVNIK%" 2>&1
set "STATUS=%ERRORLEVEL%"
echo %DATE% %TIME% kraj, izlazni status %STATUS%>>"%DNEVNIK%"
exit /b %STATUS%
