# SPDX-License-Identifier: GPL-3.0-or-later
# The web edition, built by emscripten (emcmake): the engine and the terminal front-end as they
# are, the web front-end (src/shell/web) and the page. No Curses, tools, tests or benchmarks: the
# lesson database comes built by the native kovrel-dbbuild, and SQLite from its amalgamation.
#   KOVREL_SQLITE_DIR      the folder holding sqlite3.c and sqlite3.h
#   KOVREL_WEB_DATABASE    the lesson database (DataStore.db) packed into the page
#   KOVREL_WEB_NODE_MODULES  web/node_modules, where xterm.js comes from (web/package.json)
if(NOT EMSCRIPTEN)
  message(FATAL_ERROR "KOVREL_WEB builds with emscripten: emcmake cmake -DKOVREL_WEB=ON ...")
endif()
set(KOVREL_SQLITE_DIR "" CACHE PATH "Folder with the SQLite amalgamation (sqlite3.c, sqlite3.h)")
set(KOVREL_WEB_DATABASE "" CACHE FILEPATH "The lesson database the page carries")
set(KOVREL_WEB_NODE_MODULES "" CACHE PATH "The npm packages of web/package.json, installed")
foreach(required KOVREL_SQLITE_DIR KOVREL_WEB_DATABASE KOVREL_WEB_NODE_MODULES)
  if(NOT EXISTS "${${required}}")
    message(FATAL_ERROR "${required} must name an existing path (scripts/web.sh sets it)")
  endif()
endforeach()

# The engine throws and catches: emscripten's exceptions are off unless asked for.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

enable_language(C)
# SQLite as its authors ship it, one thread, no loadable extensions; its own warnings are not ours.
add_library(kovrel_sqlite STATIC ${KOVREL_SQLITE_DIR}/sqlite3.c)
target_include_directories(kovrel_sqlite SYSTEM PUBLIC ${KOVREL_SQLITE_DIR})
target_compile_definitions(kovrel_sqlite PRIVATE SQLITE_THREADSAFE=0 SQLITE_OMIT_LOAD_EXTENSION
  SQLITE_OMIT_DEPRECATED SQLITE_DQS=0)
target_compile_options(kovrel_sqlite PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS kovrel_sqlite)

add_subdirectory(src)

# The terminal program for node: `node kovrel-term.js --batch ...` runs as kovrel-term does, on the
# real file system, with the caller's environment (its locale, its home).
set_target_properties(kovrel-term PROPERTIES SUFFIX ".js"
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_options(kovrel-term PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1
  -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_FUNCTIONS=_main,_malloc,_free
  "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/src/shell/web/node_environment.js")
set_property(TARGET kovrel-term APPEND PROPERTY LINK_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/shell/web/node_environment.js)
