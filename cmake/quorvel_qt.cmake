# Qt, found once for the whole tree (imported targets are visible in the folder that found them
# and below it), and the settings shared by every Qt target: the window, the dialogs, their tests,
# benchmarks and tools.

if(BUILD_TESTING)
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Test)
else()
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
endif()

# Strings cross between Qt and the engine only through explicit, UTF-8 conversions.
function(quorvel_qt_target target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_KEYWORDS)
  quorvel_warnings(${target})
endfunction()
