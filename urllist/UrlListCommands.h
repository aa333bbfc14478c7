#pragma once

#include <string>

namespace lumivane {

class MessageDialog;
class StatusPanels;
class UrlList;

void selectAll(UrlList& list);
void clearSelection(UrlList& list);

/// Deletes the selected rows and renumbers the rest from 1;
/// with nothing selected it only shows a message. The status bar is left as is.
void deleteSelected(UrlList& list, MessageDialog& dialog);

/// Tells why the list cannot be exported; true when the export dialog may open.
bool checkExport(const UrlList& list, MessageDialog& dialog);

/// Number text for one row added at the end: the bottom row's number plus one.
std::string nextRowNumber(const UrlList& list);

/// "Total: " and the row count into the Total panel.
void refreshTotal(const UrlList& list, StatusPanels& panels);

} // namespace lumivane
