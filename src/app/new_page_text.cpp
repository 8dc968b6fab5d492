#include "app/new_page_text.h"

#include "app/app_context.h"
#include "app/date_format.h"

namespace quillane {

std::string NewPageText(const DateTime& now, const std::string& bodyAttributes) {
    const std::string crlf = "\r\n";
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">" + crlf + "<HTML>" + crlf + "<HEAD>" + crlf +
           "<TITLE>Document Title should be typed here</TITLE>" + crlf + "</HEAD>" + crlf + crlf +
           "<!-- Created on " + FormatLongDate(now) + " at " + FormatTimeTwoDigitHour(now) + " -->" + crlf + crlf +
           "<BODY" + bodyAttributes + ">" + crlf + crlf + crlf + crlf + "</BODY>" + crlf + "</HTML>";
}

void TimePanelClick(AppContext& ctx) {
    DocumentView* doc = ctx.activeDocument();
    if (!doc) return;
    DateTime now = ctx.platform.clock.now();
    doc->editor().setSelText(FormatLongDate(now) + "  " + FormatTime(now));
}

}  // namespace quillane
