# Settings shared by every Qt target of the project (the window, the dialogs, their tests,
# benchmarks and tools). Included by each folder that builds one: Qt's imported targets are
# visible only in the folder that found them.

find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)

# Strings cross between Qt and the engine only through explicit, UTF-8 conversions.
function(quorvel_qt_target target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_KEYWORDS)
  quorvel_warnings(${target})
endfunction()
