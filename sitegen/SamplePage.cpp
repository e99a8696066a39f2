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

const char* SampleFile(SampleKind kind) {
    switch (kind) {
        case SampleKind::Summary: return SamplePageOf(SettingLine::SummaryTemplate);
        case SampleKind::Gallery: return SamplePageOf(SettingLine::GalleryTemplate);
        case SampleKind::Picture: break;
    }
    return SamplePageOf(SettingLine::PictureTemplate);
}

}  // namespace

bool PageWriter::WriteSample(SampleKind kind) {
    PageLines page;
    const char* sample = SampleFile(kind);
    if (!LoadTemplate(page, sample)) return false;
    switch (kind) {
        case SampleKind::Summary:
            WriteBody(page, L::SummaryBackgroundColour, L::SummaryBackgroundPicture, L::SummaryGalleryTitleColour);
            WriteSummaryTitleBlock(page);
            WriteSummaryTable(page);
            break;
        case SampleKind::Gallery:
            WriteBody(page, L::GalleryBackgroundColour, L::GalleryBackgroundPicture, L::GalleryThumbnailTitleColour);
            WriteGalleryTitleBlock(page, Text(L::GalleryName1));
            WriteGalleryTable(page);
            break;
        case SampleKind::Picture:
            WriteBody(page, L::PicturePageBackgroundColour, L::PicturePageBackgroundPicture, L::ButtonsColour);
            WritePictureTable(page);
            WritePictureTitleBlock(page, Word(TextId::SampleTitle));
            WritePicture(page);
            WriteComment(page);
            WriteButtons(page, settings::ReadMode(sources_.settings.Lines().Line(L::ButtonMode)) ==
                                   settings::ButtonMode::Pictures);
            break;
    }
    page.Save(sources_.folder.Root() / sample);
    return true;
}

}  // namespace palimora
