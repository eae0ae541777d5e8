# Most of a window source's compile time goes to the Qt Widgets headers: every target that builds
# window code parses them once, as a precompiled header, instead of once per source file.
set(QT_PRECOMPILED_HEADERS
  <QApplication> <QComboBox> <QLineEdit> <QLabel> <QAbstractButton> <QAction> <QCheckBox>
  <QListWidget> <QTableWidget> <QTabWidget> <QPainter> <QPushButton> <QStringListModel>
  <QString> <QWidget>
  <algorithm> <array> <cstdint> <functional> <memory> <optional> <span> <string> <string_view>
  <vector>)

# Gives every library and executable defined in DIR, and in the folders below it, the header.
function(precompile_qt_headers_below dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "EXECUTABLE")
      target_precompile_headers(${target} PRIVATE ${QT_PRECOMPILED_HEADERS})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    precompile_qt_headers_below(${subdir})
  endforeach()
endfunction()
