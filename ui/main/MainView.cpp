#include "ui/main/MainView.h"

#include "app/MainModel.h"
#include "ui/main/NullNotification.h"
#include "ui/shared/PageText.h"

using htmlayout::dom::element;

MainView::MainView()
    : htmlayout::event_handler(0xFFFFFFFF),
      m_instance(nullptr),
      m_window(nullptr),
      m_importRunning(false),
      m_closeRequested(false),
      m_absentTimeTrackShown(false),
      m_proceedPending(false),
      m_progressAhead(false)
{
}

MainView::~MainView()
{
    m_model.reset();
    m_notification.reset();
}

void MainView::SetNotification(boost::shared_ptr<IMainViewNotification> notification)
{
    m_notification = notification;
}

void MainView::SetModel(boost::shared_ptr<MainModel> model)
{
    m_model = model;
}

element MainView::Root() const
{
    return element::root_element(m_window);
}

boost::shared_ptr<IMainViewNotification> MainView::Sink() const
{
    static const boost::shared_ptr<IMainViewNotification> ignored(new NullNotification());
    return m_notification ? m_notification : ignored;
}

void MainView::OnStartLoading()
{
    Sink()->LoadData();
}

void MainView::StartImportClicked(bool checkAbsent)
{
    // A second start while one is starting or running would add every entry twice.
    if (m_importRunning)
        return;
    m_importRunning = true;
    mainpage::SetEnabled(Root().get_element_by_id("import"), false);
    Sink()->StartImport(checkAbsent);
}

void MainView::ReviewMissingDataClicked()
{
    Sink()->ShowMissingData();
}

// The sub-views of "viewArea" by number; 0 hides them all, 6 and above leave them alone.
void MainView::ShowView(int view)
{
    static const char* const kSubViews[] = { "TTSummary", "mappingProblem", "LoadingView", "QBProblemView",
                                             "SiteWasChanged" };
    element root = Root();
    element viewArea = root.get_element_by_id("viewArea");
    element subViews[5];
    for (int i = 0; i < 5; ++i) {
        subViews[i] = root.get_element_by_id(kSubViews[i]);
        if (!subViews[i].is_valid())
            return;
    }
    viewArea.set_attribute("class", view == 1 ? L"noscroll" : L"scroll");
    if (view > 5)
        return;
    for (int i = 0; i < 5; ++i)
        mainpage::SetShown(subViews[i], i + 1 == view);
}

std::wstring GetElementIdOrName(HELEMENT handle)
{
    element target(handle);
    const wchar_t* id = target.get_attribute("id");
    if (id)
        return id;
    const wchar_t* name = target.get_attribute("name");
    return name ? name : L"";
}
