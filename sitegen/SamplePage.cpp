// The preview samples: each kind of page written by its own writers into
// the sample page it came from, markers kept.

#include "common/ProgramFolder.h"
#include "sitegen/PageWriter.h"
#include "styles/ProjectSettings.h"
#include "styles/SampleTemplates.h"
#include "styles/SettingValues.h"

namespace palimora {

using L = SettingLine;

namespace {

const char* SampleFile(PageKind kind) {
    switch (kind) {
        case PageKind::Summary: return SamplePageOf(SettingLine::SummaryTemplate);
        case PageKind::Gallery: return SamplePageOf(SettingLine::GalleryTemplate);
        case PageKind::Picture: break;
    }
    return SamplePageOf(SettingLine::PictureTemplate);
}

}  // namespace

bool PageWriter::WriteSample(PageKind kind) {
    PageLines page;
    const char* sample = SampleFile(kind);
    if (!LoadTemplate(page, sample)) return false;
    switch (kind) {
        case PageKind::Summary:
            WriteBody(page, PageKind::Summary);
            WriteSummaryTitleBlock(page);
            WriteSummaryTable(page);
            break;
        case PageKind::Gallery:
            WriteBody(page, PageKind::Gallery);
            WriteGalleryTitleBlock(page, Text(L::GalleryName1));
            WriteGalleryTable(page);
            break;
        case PageKind::Picture:
            WriteBody(page, PageKind::Picture);
            WritePictureTable(page);
            WritePictureTitleBlock(page, SampleTitle(0, Word(TextId::SampleTitle)));
            WritePicture(page);
            WriteComment(page);
            WriteButtons(page, settings::ReadMode(sources_.settings.Lines().Line(L::ButtonMode)) ==
                                   settings::ButtonMode::Pictures);
            break;
    }
    // The sample is its own template for the next sample, so it stays in the
    // templates' Windows-1252: a browser shows its references as characters.
    page.Save(sources_.folder.Root() / sample);
    return true;
}

}  // namespace palimora
