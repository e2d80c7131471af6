# The engine under the browser model. With the real backends, WebKitGTK runs
# the pages and a web extension runs the renderer inside WebKit's web
# process; without them the scripted engine runs every page.
if(NOT QUELLIX_REAL_BACKENDS)
  target_sources(cef PRIVATE ${CMAKE_CURRENT_LIST_DIR}/scripted/engine_start.cc)
  return()
endif()

pkg_check_modules(QUELLIX_WEBKIT REQUIRED IMPORTED_TARGET GLOBAL webkit2gtk-4.1 gtk+-3.0)
pkg_check_modules(QUELLIX_WEBKIT_EXTENSION REQUIRED IMPORTED_TARGET webkit2gtk-web-extension-4.1)

file(GLOB CEF_WEBKIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/gtk/*.cc)
target_sources(cef PRIVATE ${CEF_WEBKIT_SOURCES})
target_link_libraries(cef PRIVATE PkgConfig::QUELLIX_WEBKIT)

# The web process side, compiled once for every program's extension.
file(GLOB CEF_WEB_EXTENSION_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/extension/*.cc)
add_library(cef_web_extension OBJECT ${CEF_WEB_EXTENSION_SOURCES})
target_include_directories(cef_web_extension PRIVATE ${PROJECT_SOURCE_DIR}/platform/win32/src)
target_link_libraries(cef_web_extension PUBLIC cef PkgConfig::QUELLIX_WEBKIT_EXTENSION)

# quellix_add_web_extension(<program> [SOURCES <files>...] LIBRARIES <libraries>...):
# the renderer of <program> in WebKit's web process. The library lies in the
# folder "<program>-web-extension" beside the program and enters the
# program's own WinMain (from the sources and libraries given, compiled as
# the program's) as its renderer sub-process. Nothing may stay undefined:
# the web process would refuse the library without a word.
function(quellix_add_web_extension program)
  cmake_parse_arguments(PARSE_ARGV 1 EXTENSION "" "" "SOURCES;LIBRARIES")
  set(extension ${program}_web_extension)
  add_library(${extension} MODULE ${EXTENSION_SOURCES})
  target_compile_definitions(${extension} PRIVATE $<TARGET_PROPERTY:${program},COMPILE_DEFINITIONS>)
  target_include_directories(${extension} PRIVATE $<TARGET_PROPERTY:${program},INCLUDE_DIRECTORIES>)
  target_link_libraries(${extension} PRIVATE cef_web_extension ${EXTENSION_LIBRARIES})
  target_link_options(${extension} PRIVATE "-Wl,--no-undefined")
  set_target_properties(${extension} PROPERTIES
    OUTPUT_NAME ${program}-renderer
    LIBRARY_OUTPUT_DIRECTORY $<TARGET_FILE_DIR:${program}>/$<TARGET_FILE_NAME:${program}>-web-extension)
  add_dependencies(${program} ${extension})
endfunction()
