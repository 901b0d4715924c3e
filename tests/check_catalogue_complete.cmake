# Fails when the English catalogue lacks a text: lupdate reads the sources into a copy of
# translations/petalgame32_en.ts, and any entry it leaves unfinished is a text with no English.
set(copy ${WORK}/petalgame32_en.ts)
file(COPY_FILE ${ROOT}/translations/petalgame32_en.ts ${copy})
execute_process(
  COMMAND ${LUPDATE} -silent -tr-function-alias qtTrId+=Tr,QT_TRID_NOOP+=PG_TEXT -extensions cpp,h -no-obsolete
          -locations none records engine rules model computer play ui app -ts ${copy}
  WORKING_DIRECTORY ${ROOT}
  RESULT_VARIABLE failed
  OUTPUT_QUIET ERROR_QUIET)
if(failed)
  message(FATAL_ERROR "lupdate failed on ${copy}")
endif()
file(READ ${copy} catalogue)
string(REGEX MATCHALL "<message id=\"[^\"]*\">[^<]*<source></source>[^<]*<translation type=\"unfinished\">" unfinished
       "${catalogue}")
if(unfinished)
  string(REGEX REPLACE "<source></source>[^<]*<translation type=\"unfinished\">" "" unfinished "${unfinished}")
  message(FATAL_ERROR "Texts without English in translations/petalgame32_en.ts:\n${unfinished}")
endif()
message(STATUS "the English catalogue is complete")
