#pragma once

#include <span>
#include <string_view>

#include "record_form/page_table.h"

class QTabWidget;
class form_controls;

// The fifteen record pages, in tab order ("&1. Pers" first). Implemented by the page files
// under pages/, one table per page.
std::span<const page_spec> record_page_specs();

// Adds one tab to `pc_staff` per page of record_page_specs(), builds its containers and
// controls with Qt layouts and registers every widget in `controls`.
void build_record_pages(QTabWidget* pc_staff, form_controls& controls);

// Builds the given pages only (tests use small pages of their own).
void build_record_pages(QTabWidget* pc_staff, form_controls& controls,
                        std::span<const page_spec> pages);

// The row of the control of that name across all record pages; null when none.
const control_spec* find_control_spec(std::string_view name);
