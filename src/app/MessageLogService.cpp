#include "app/MessageLogService.h"

#include <wx/ffile.h>

int CMessageLogService::Show(const platform::stMessageBoxRequest& request) {
  wxString text = request.text;
  text.Replace("\n", "\\n");
  wxFFile log(m_logPath, "ab");
  if (log.IsOpened()) log.Write(request.caption + "\t" + text + "\n", wxConvUTF8);
  return platform::DefaultAnswer(request.type);
}
