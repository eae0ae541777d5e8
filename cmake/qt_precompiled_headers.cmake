# Most of a window source's compile time goes to the Qt Widgets headers: every target that builds
# window code parses them once, as a precompiled header, instead of once per source file.
set(QT_PRECOMPILED_HEADERS
  <QApplication> <QComboBox> <QLineEdit> <QLabel> <QAbstractButton> <QAction> <QCheckBox>
  <QListWidget> <QTableWidget> <QTabWidget> <QPainter> <QPushButton> <QStringListModel>
  <QString> <QWidget>
  <algorithm> <array> <cstdint> <functional> <memory> <optional> <span> <string> <string_view>
  <vector>)

# Sets OUT to true when TARGET links Qt Widgets, directly or through the libraries it links.
function(links_qt_widgets target out)
  set(${out} FALSE PARENT_SCOPE)
  get_target_property(libraries ${target} LINK_LIBRARIES)
  if(NOT libraries)
    set(libraries "")
  endif()
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  if(interface)
    list(APPEND libraries ${interface})
  endif()
  foreach(library IN LISTS libraries)
    if(library STREQUAL "Qt6::Widgets")
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(TARGET ${library} AND NOT library MATCHES "::")
      links_qt_widgets(${library} found)
      if(found)
        set(${out} TRUE PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
endfunction()

# Gives every library and executable with window code defined in DIR, and in the folders below
# it, the header; code that does without Qt keeps doing without it.
function(precompile_qt_headers_below dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "EXECUTABLE")
      links_qt_widgets(${target} uses_qt)
      if(uses_qt)
        target_precompile_headers(${target} PRIVATE ${QT_PRECOMPILED_HEADERS})
      endif()
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    precompile_qt_headers_below(${subdir})
  endforeach()
endfunction()
