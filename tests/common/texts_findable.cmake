# The texts the programs show are written in the sources as they read, so a search for a text
# finds the code that shows it. Run with -DSOURCE_DIR=<source tree>.
set(texts
    "Nabídku '"
    "' nelze přejmenovat!"
    "Systémovou nabídku nelze měnit!"
    "Položky jsou nepřístupné!"
    "Zatím tu není nic zajímavého"
    "Pozor, začínáme !"
    "Zadané heslo neodpovídá!"
    "Chyba při načítání souboru"
    "Chyba při inicializaci"
    "Načtení scénáře..."
    "Při pokusu o načtení pozice došlo k chybě."
    "Soubor je asi porušen nebo je nesprávné verze."
    "Můžeš jít:"
    "Tento předmět se zrovna použít nedá"
    "VOLrec=Hlasitost dialogů(sx01.wav)"
    "***** P Ř E D M Ě T Y *****"
    "Přidej či zruš položku v nabídce"
    "Čekej na stisknutí tlačítka*clr*"
    "Ukládám kolekci: "
    "(bezezměny)"
)
find_program(GIT git REQUIRED)
set(missing "")
foreach(text IN LISTS texts)
    # --no-index: the check also runs on an unpacked source tree without a repository.
    execute_process(COMMAND ${GIT} grep --no-index -q -F -e "${text}" -- common player editor
                    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE found)
    if(NOT found EQUAL 0)
        string(APPEND missing "\n  \"${text}\"")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "Texts not found in common/, player/ or editor/:${missing}")
endif()
