# Authenticode signatures for everything the build ships: the program, the demo screensavers, the
# installer, the uninstaller inside it and the helper the installer carries. Given a certificate,
#   -DVR_SIGN_PKCS12=<file.pfx> -DVR_SIGN_PASSWORD=<password> [-DVR_SIGN_TIMESTAMP_URL=<url>]
# each is signed as it is built: with osslsigncode on Linux, with signtool on Windows.
# vr_sign_target(<target>) signs a target's file after every link; VR_SIGN_COMMAND is the command
# NSIS runs on the installer and uninstaller, with %1 for the file (empty when not signing).
set(VR_SIGN_PKCS12 "" CACHE FILEPATH "Code-signing certificate with its key (.pfx); empty: nothing is signed")
set(VR_SIGN_PASSWORD "" CACHE STRING "Password of VR_SIGN_PKCS12")
set(VR_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 timestamp server for the signatures (optional)")
mark_as_advanced(VR_SIGN_PASSWORD)

set(VR_SIGN_COMMAND "")
if(NOT VR_SIGN_PKCS12)
  message(STATUS "Not signing the programs and the installer (no -DVR_SIGN_PKCS12=<file.pfx>)")
  function(vr_sign_target target)
  endfunction()
  return()
endif()
if(NOT EXISTS ${VR_SIGN_PKCS12})
  message(FATAL_ERROR "VR_SIGN_PKCS12: no such file: ${VR_SIGN_PKCS12}")
endif()

set(signing ${CMAKE_BINARY_DIR}/signing)
if(CMAKE_HOST_WIN32)
  find_program(VR_SIGNTOOL signtool DOC "signtool.exe of the Windows SDK")
  if(NOT VR_SIGNTOOL)
    message(FATAL_ERROR "signtool not found: put the Windows SDK's bin folder on the PATH or set VR_SIGNTOOL")
  endif()
else()
  find_program(VR_OSSLSIGNCODE osslsigncode)
  if(NOT VR_OSSLSIGNCODE)
    message(FATAL_ERROR "osslsigncode not found (Debian: apt-get install osslsigncode)")
  endif()
endif()
# The password goes to the signing script in a file of its own: no quoting can break it, and
# osslsigncode reads it from there, so it shows in no process list.
file(WRITE ${signing}/password "${VR_SIGN_PASSWORD}")
file(CHMOD ${signing}/password PERMISSIONS OWNER_READ OWNER_WRITE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/SignFile.cmake.in ${signing}/SignFile.cmake @ONLY)
message(STATUS "Signing the programs and the installer with ${VR_SIGN_PKCS12}")

function(vr_sign_target target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:${target}> -P ${CMAKE_BINARY_DIR}/signing/SignFile.cmake
    VERBATIM)
endfunction()
set(VR_SIGN_COMMAND "\"${CMAKE_COMMAND}\" \"-DFILE=%1\" -P \"${signing}/SignFile.cmake\"")
