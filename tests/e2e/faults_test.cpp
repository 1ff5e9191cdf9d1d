// The real program under inputs and surroundings that used to lose or
// misplace a configuration: text the file cannot hold, pasted text longer
// than an edit box's default limit, share paths typed the common way, a copy
// of the tool named webd.exe, a launch asking for a maximised window, and a
// run folder whose path is longer than 260 characters.
#include <gtest/gtest.h>

#include "host/win_text.h"
#include "tests/e2e/app_driver.h"

namespace {

// Clicks the control and answers the one box that follows.
BoxSeen ClickAndAnswer(App& app, ControlId id, BoxAction answer = BoxAction::ClickOk) {
    BoxAnswerer answerer(L"", answer);
    app.Click(id);
    BoxSeen seen = answerer.Wait();
    app.SettleAfterBox();
    return seen;
}

TEST(Faults, TextTheFileCannotHoldIsRefusedAndNothingIsWritten) {
    App app;
    ASSERT_TRUE(app.WaitForWindow());
    const std::wstring conf = app.runFolder + L"\\webd.conf";
    struct Case {
        ControlId field;
        std::wstring text;
        bool paste;           // typed in with Ctrl+V, else WM_SETTEXT
        const wchar_t* name;  // the field the box names; nullptr: accepted
    } cases[] = {
        {编辑框1, L"D:\\web\U0001F600\\", false, L"网盘文件路径"},
        {编辑框3, L"ab\rcd", true, L"用户1 用户名"},  // a lone CR survives a paste
        {编辑框4, L"a\nb", false, L"用户1 密码"},
        {编辑框2, L"9\t1", false, L"监听端口"},
        {编辑框7, L"C:\\\u092C\u094D\u0930\\b.exe", true, L"浏览器路径"},
        {编辑框5, L"\U0001F600", false, nullptr},  // user 2 is disabled: its name is not written
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8FromWide(c.text));
        std::wstring before = app.Text(c.field);
        if (c.paste) {
            app.Paste(c.field, c.text);
        } else {
            app.SetText(c.field, c.text);
        }
        ASSERT_EQ(app.Text(c.field), c.text) << "the box holds the text as given";
        std::string fileBefore = ReadBytes(conf);
        BoxSeen seen = ClickAndAnswer(app, 按钮1);
        ASSERT_TRUE(seen.found);
        if (c.name) {
            EXPECT_EQ(seen.title, L"false");
            EXPECT_EQ(seen.FirstLine(), L"失败");
            EXPECT_EQ(seen.Reason().rfind(std::wstring(c.name) + L"：", 0), 0u) << Utf8FromWide(seen.Reason());
            EXPECT_EQ(ReadBytes(conf), fileBefore) << "nothing written";
            EXPECT_EQ(app.Text(c.field), c.text) << "the field is left as typed";
        } else {
            EXPECT_EQ(seen.text, L"成功");
        }
        app.SetText(c.field, before);
    }

    // Pasted text is taken whole, far beyond the system's default limit.
    const std::wstring longShare = std::wstring(40000, L'x') + L"共享";
    app.Paste(编辑框1, longShare);
    ASSERT_EQ(app.Text(编辑框1).size(), longShare.size());
    ASSERT_EQ(ClickAndAnswer(app, 按钮1).text, L"成功");
    EXPECT_NE(ReadBytes(conf).find("Webd.Root \"" + GbkFromWide(longShare) + "\"\r\n"), std::string::npos);
}

TEST(Faults, DeletionButtonPutsTheTrashInsideTheShare) {
    App app;
    ASSERT_TRUE(app.WaitForWindow());
    const std::wstring base = app.runFolder;
    for (const wchar_t* made : {L"\\have", L"\\trash", L"\\trash\\.Trash"}) {
        ASSERT_TRUE(CreateDirectoryW((base + made).c_str(), nullptr));
    }
    struct Case {
        std::wstring typed;
        std::wstring after;  // the field afterwards
        std::wstring trash;  // must exist afterwards; "" when it must fail
    } cases[] = {
        {base + L"\\web\\", base + L"\\web\\", base + L"\\web\\.Trash"},  // the default
        {base + L"\\新\\a\\b", base + L"\\新\\a\\b\\", base + L"\\新\\a\\b\\.Trash"},
        {base + L"\\have\\", base + L"\\have\\", base + L"\\have\\.Trash"},
        {base + L"\\have", base + L"\\have\\", base + L"\\have\\.Trash"},  // existing, typed without backslash
        {base + L"\\目录昞", base + L"\\目录昞\\", base + L"\\目录昞\\.Trash"},  // 昞 ends in the byte 0x5C
        {base + L"\\trash\\", base + L"\\trash\\", base + L"\\trash\\.Trash"},
        {L"rel\\data\\", L"rel\\data\\", L""},
        {L"", L"", L""},
        {base + L"\\a\U0001F600", base + L"\\a\U0001F600", L""},
        {base + L"\\a\rb", base + L"\\a\rb", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8FromWide(c.typed));
        app.SetText(编辑框1, c.typed);
        BoxSeen seen = ClickAndAnswer(app, 按钮2);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(app.Text(编辑框1), c.after);
        if (c.trash.empty()) {
            EXPECT_EQ(seen.title, L"false");
            EXPECT_EQ(seen.FirstLine(), L"失败");
            EXPECT_FALSE(seen.Reason().empty());
        } else {
            EXPECT_EQ(seen.text, L"成功");
            EXPECT_TRUE(IsDirectoryW(c.trash));
        }
    }
    EXPECT_FALSE(Exists(base + L"\\have.Trash")) << "never beside the share";
    EXPECT_FALSE(Exists(base + L"\\rel"));
    EXPECT_FALSE(Exists(L"C:\\.Trash")) << "an empty field creates nothing at the drive's root";
    EXPECT_FALSE(Exists(base + L"\\a?")) << "no folder under a lossy name";
}

TEST(Faults, ACopyNamedWebdExeEndsOtherServersButNotItself) {
    TempDir serverDir;
    ASSERT_TRUE(CopyFileW(StandinExe().c_str(), (serverDir / L"webd.exe").c_str(), FALSE));
    PROCESS_INFORMATION server = StartProgram(serverDir / L"webd.exe", serverDir.path);
    ASSERT_NE(server.hProcess, nullptr);
    BoxAnswerer answerer(L"注意！", BoxAction::ClickOk, 20000);  // two programs start before it shows
    AppStart start;
    start.exeName = L"webd.exe";
    App app(start);
    EXPECT_TRUE(answerer.Wait().found);
    EXPECT_EQ(WaitForSingleObject(server.hProcess, 5000), WAIT_OBJECT_0) << "the other server is ended";
    EXPECT_TRUE(app.WaitForWindow()) << "the tool itself runs on";
    EndProcess(server);
}

TEST(Faults, OpensNormalOrMinimisedButNeverMaximised) {
    for (int show : {SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED, SW_HIDE}) {
        SCOPED_TRACE(show);
        AppStart start;
        start.showCommand = show;
        App app(start);
        ASSERT_TRUE(app.WaitForWindow());
        EXPECT_FALSE(IsZoomed(app.window));
        EXPECT_EQ(IsIconic(app.window) != FALSE, show == SW_SHOWMINIMIZED);
        if (show == SW_SHOWMAXIMIZED) {
            SendMessageW(app.window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            EXPECT_FALSE(IsZoomed(app.window)) << "not even when asked";
            RECT r;
            GetWindowRect(app.window, &r);
            EXPECT_EQ(r.right - r.left, kWindowWidth);
            EXPECT_EQ(r.bottom - r.top, kWindowHeight);
        }
    }
}

TEST(Faults, ARunFolderLongerThan260CharactersIsUsedWholeNeverAParent) {
    std::wstring subfolder;
    for (int level = 0; level < 6; ++level) {
        subfolder += (level ? L"\\" : L"") + std::wstring(L"层") + std::to_wstring(level) + std::wstring(48, L'l');
    }
    AppStart start;
    start.subfolder = subfolder;
    start.fromLinux = true;
    App app(start);
    ASSERT_GT(app.Exe().size(), 300u);
    // A configuration in each parent folder, which a cut path would have replaced.
    std::vector<std::wstring> parents;
    for (size_t at = app.runFolder.rfind(L'\\'); at > app.dir.path.size(); at = app.runFolder.rfind(L'\\', at - 1)) {
        parents.push_back(app.runFolder.substr(0, at));
        ASSERT_TRUE(WriteBytes(parents.back() + L"\\webd.conf", "parent")) << Utf8FromWide(parents.back());
    }
    ASSERT_TRUE(app.WaitForWindow(15000));
    EXPECT_EQ(app.Text(编辑框1), app.runFolder + L"\\web\\");
    EXPECT_EQ(ClickAndAnswer(app, 按钮1).text, L"成功");
    EXPECT_NE(ReadBytes(app.runFolder + L"\\webd.conf").find("Webd.Root"), std::string::npos);
    for (const std::wstring& parent : parents) {
        EXPECT_EQ(ReadBytes(parent + L"\\webd.conf"), "parent") << Utf8FromWide(parent);
    }
}

}  // namespace
