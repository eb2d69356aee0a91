#include "app/RecordWriter.h"

#include "base/Platform.h"
#include "base/Translation.h"

void RecordWriter::Add(const RecordEntry& entry, const std::string& userName) {
    if (!m_enabled)
        return;
    const FileResult<> appended = m_record.Append(entry, userName);
    if (appended || m_failureTold)
        return;
    m_failureTold = true;
    ShowMessage(TrArgs(Tr("RecordWriter", "Das Inbetriebnahmeprotokoll '%1' konnte nicht "
                                          "ergänzt werden. %2\r\nDie Vorgänge am Gerät laufen "
                                          "trotzdem; dieser Hinweis erscheint bis zum "
                                          "Programmende nicht wieder."),
                       {m_record.Path(), appended.Failure()}),
                MsgIcon::Exclamation);
}
