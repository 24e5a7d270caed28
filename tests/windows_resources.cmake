# Checks tanks.exe's resources: the icon freeglut loads by the name GLUT_ICON, the version
# information with the project's version, and the manifest that makes it DPI-aware.
#   cmake -DWRESTOOL=<icoutils' wrestool> -DPROGRAM=<tanks.exe> -DVERSION=<x.y.z> -P windows_resources.cmake
cmake_minimum_required(VERSION 3.22)

function(resource type output)
  execute_process(COMMAND ${WRESTOOL} -x --raw --type=${type} ${PROGRAM} OUTPUT_FILE ${output}
    RESULT_VARIABLE failed)
  file(SIZE ${output} size)
  if(failed OR size EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} has no resource of type ${type}")
  endif()
endfunction()

execute_process(COMMAND ${WRESTOOL} -l ${PROGRAM} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed OR NOT listing MATCHES "--type=14 --name='?GLUT_ICON'?")
  message(FATAL_ERROR "${PROGRAM} has no icon named GLUT_ICON:\n${listing}")
endif()

get_filename_component(dir "${PROGRAM}" DIRECTORY)
resource(24 ${dir}/tanks-manifest.xml)
file(READ ${dir}/tanks-manifest.xml manifest)
foreach(setting "<dpiAware[^>]*>true/pm</dpiAware>" "<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>"
                "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>")
  if(NOT manifest MATCHES "${setting}")
    message(FATAL_ERROR "${PROGRAM}'s manifest lacks ${setting}:\n${manifest}")
  endif()
endforeach()

# The version's strings are UTF-16, little-endian: each ASCII character, then a zero byte.
resource(16 ${dir}/tanks-version.bin)
file(READ ${dir}/tanks-version.bin info HEX)
string(HEX "${VERSION}" ascii)
string(REGEX REPLACE "(..)" "\\100" wide "${ascii}")
string(REGEX MATCHALL "${wide}0000" versions "${info}")
list(LENGTH versions count)
if(count LESS 2)
  message(FATAL_ERROR "${PROGRAM}'s file and product versions are not ${VERSION}")
endif()
message(STATUS "${PROGRAM}: icon GLUT_ICON, version ${VERSION}, DPI-aware manifest")
