# Authenticode signatures for everything the build ships: the program, the demo screensavers, the
# installer, the uninstaller inside it and the helper the installer carries. Each is signed as it
# is built, with one of these keys:
#   a key on a PKCS#11 token or HSM, with osslsigncode:
#     -DVR_SIGN_PKCS11_MODULE=<the token's PKCS#11 module, .so or .dll>
#     -DVR_SIGN_KEY=<PKCS#11 URI of the private key>  -DVR_SIGN_CERT=<certificate and chain, PEM>
#     -DVR_SIGN_PIN_FILE=<file holding the PIN>
#   on Windows, with signtool, a certificate in the user's store (its key on a token or not):
#     -DVR_SIGN_THUMBPRINT=<the certificate's SHA-1 thumbprint>
#   on Windows, with signtool, a signing service's client library:
#     -DVR_SIGN_DLIB=<the service's signing library> -DVR_SIGN_DMDF=<its metadata file>
#   a .pfx, with osslsigncode (PowerShell's Set-AuthenticodeSignature on Windows):
#     -DVR_SIGN_PKCS12=<file.pfx> -DVR_SIGN_PASSWORD_FILE=<file holding its password>
# and -DVR_SIGN_TIMESTAMP_URL=<RFC 3161 timestamp server>, without which a signature lapses when
# its certificate does. A PIN or password is only ever read from its file by the signing tool
# itself: it is in no command line, in no cache entry and nowhere in the build folder.
# vr_sign_target(<target>) signs a target's file after every link; VR_SIGN_COMMAND is the command
# NSIS runs on the installer and uninstaller, with %1 for the file (empty when not signing).
set(VR_SIGN_PKCS11_MODULE "" CACHE FILEPATH "PKCS#11 module of the token holding the signing key")
set(VR_SIGN_KEY "" CACHE STRING "PKCS#11 URI of the signing key on the token")
set(VR_SIGN_CERT "" CACHE FILEPATH "Certificate of the token's signing key, with its chain (PEM)")
set(VR_SIGN_PIN_FILE "" CACHE FILEPATH "File holding the token's PIN")
set(VR_SIGN_THUMBPRINT "" CACHE STRING "SHA-1 thumbprint of the signing certificate in the user's store (signtool)")
set(VR_SIGN_DLIB "" CACHE FILEPATH "Signing service's client library for signtool /dlib")
set(VR_SIGN_DMDF "" CACHE FILEPATH "Metadata file of the signing service's library (signtool /dmdf)")
set(VR_SIGN_PKCS12 "" CACHE FILEPATH "Code-signing certificate with its key (.pfx)")
set(VR_SIGN_PASSWORD_FILE "" CACHE FILEPATH "File holding the password of VR_SIGN_PKCS12")
set(VR_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 timestamp server for the signatures")
# A password given on the command line (as earlier builds took it) stays in no cache.
set(password_given "${VR_SIGN_PASSWORD}")
unset(VR_SIGN_PASSWORD CACHE)
if(password_given)
  message(FATAL_ERROR "VR_SIGN_PASSWORD would keep the password in CMakeCache.txt: put it in a file "
    "and pass -DVR_SIGN_PASSWORD_FILE=<file>")
endif()

if(VR_SIGN_KEY MATCHES "pin-value")
  unset(VR_SIGN_KEY CACHE)
  message(FATAL_ERROR "VR_SIGN_KEY holds the PIN, which would stay in CMakeCache.txt: put it in a file "
    "and pass -DVR_SIGN_PIN_FILE=<file>")
endif()

set(VR_SIGN_COMMAND "")
# Only the script of the key given now is left, so no old key signs by mistake.
file(REMOVE_RECURSE ${CMAKE_BINARY_DIR}/signing)
set(PKCS11_options VR_SIGN_PKCS11_MODULE VR_SIGN_KEY VR_SIGN_CERT VR_SIGN_PIN_FILE)
set(THUMBPRINT_options VR_SIGN_THUMBPRINT)
set(DLIB_options VR_SIGN_DLIB VR_SIGN_DMDF)
set(PKCS12_options VR_SIGN_PKCS12 VR_SIGN_PASSWORD_FILE)
set(keys "")
foreach(key PKCS11 THUMBPRINT DLIB PKCS12)
  foreach(option ${${key}_options})
    if(${option})
      list(APPEND keys ${key})
      break()
    endif()
  endforeach()
endforeach()
if(NOT keys)
  message(STATUS "Not signing the programs and the installer (no key given: see cmake/Signing.cmake)")
  function(vr_sign_target target)
  endfunction()
  return()
endif()
list(LENGTH keys count)
if(count GREATER 1)
  message(FATAL_ERROR "Signing keys given ${count} ways (${keys}): give one")
endif()
set(key ${keys})
foreach(option ${${key}_options})
  if(NOT ${option})
    message(FATAL_ERROR "${option} is missing: signing this way takes ${${key}_options}")
  endif()
  if(NOT option MATCHES "^VR_SIGN_(KEY|THUMBPRINT)$" AND NOT EXISTS "${${option}}")
    message(FATAL_ERROR "${option}: no such file: ${${option}}")
  endif()
endforeach()
if(VR_SIGN_TIMESTAMP_URL)
  message(STATUS "Signing the programs and the installer, timestamped by ${VR_SIGN_TIMESTAMP_URL}")
else()
  message(WARNING "No VR_SIGN_TIMESTAMP_URL: the signatures carry no timestamp, so they lapse with "
    "the certificate, and Windows stops trusting the files when it expires")
endif()

if(key MATCHES "THUMBPRINT|DLIB" OR (key STREQUAL "PKCS12" AND CMAKE_HOST_WIN32))
  if(NOT CMAKE_HOST_WIN32)
    message(FATAL_ERROR "${${key}_options}: signtool signs only on Windows")
  endif()
  if(key STREQUAL "PKCS12")
    find_program(VR_POWERSHELL NAMES pwsh powershell DOC "PowerShell, which signs with a .pfx on Windows")
    set(tool ${VR_POWERSHELL})
  else()
    find_program(VR_SIGNTOOL signtool DOC "signtool.exe of the Windows SDK")
    set(tool ${VR_SIGNTOOL})
  endif()
else()
  find_program(VR_OSSLSIGNCODE osslsigncode)
  set(tool ${VR_OSSLSIGNCODE})
endif()
if(NOT tool)
  message(FATAL_ERROR "No signing tool found: osslsigncode (Debian: apt-get install osslsigncode) or, on "
    "Windows, the Windows SDK's signtool on the PATH (or -DVR_SIGNTOOL=<path>)")
endif()

# The script's name follows the key, so a build given another key signs everything again.
string(SHA1 identity "${key};${tool};${VR_SIGN_TIMESTAMP_URL}")
foreach(option ${${key}_options})
  string(SHA1 identity "${identity};${${option}}")
endforeach()
string(SUBSTRING ${identity} 0 12 identity)
set(VR_SIGN_SCRIPT ${CMAKE_BINARY_DIR}/signing/SignFile-${identity}.cmake)
set(VR_SIGN_TOOL ${tool})
set(VR_SIGN_WITH ${key})
set(VR_SIGN_PFX_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/SignWithPfx.ps1)
configure_file(${CMAKE_CURRENT_LIST_DIR}/SignFile.cmake.in ${VR_SIGN_SCRIPT} @ONLY)

function(vr_sign_target target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:${target}> -P ${VR_SIGN_SCRIPT}
    VERBATIM)
endfunction()
set(VR_SIGN_COMMAND "\"${CMAKE_COMMAND}\" \"-DFILE=%1\" -P \"${VR_SIGN_SCRIPT}\"")
