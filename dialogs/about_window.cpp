#include "about_window.h"

#include <objbase.h>
#include <shellapi.h>
#include <wincodec.h>

#include <cstring>

#include "help_about_ids.h"
#include "help_window.h"

namespace {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** operator&() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

// COM for the calling thread while it lives, whatever the thread had.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

const DWORD kFixedInfoSignature = 0xFEEF04BD;

}  // namespace

std::string ModuleVersion(HINSTANCE instance) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    if (!found) return {};
    const HGLOBAL loaded = LoadResource(instance, found);
    const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = SizeofResource(instance, found);
    if (!bytes) return {};
    // VS_FIXEDFILEINFO sits 32-bit aligned after the block's header.
    for (DWORD at = 0; at + sizeof(VS_FIXEDFILEINFO) <= size; at += 4) {
        DWORD signature;
        std::memcpy(&signature, bytes + at, sizeof signature);
        if (signature != kFixedInfoSignature) continue;
        VS_FIXEDFILEINFO info;
        std::memcpy(&info, bytes + at, sizeof info);
        return std::to_string(HIWORD(info.dwFileVersionMS)) + "." + std::to_string(LOWORD(info.dwFileVersionMS)) +
               "." + std::to_string(HIWORD(info.dwFileVersionLS)) + "." +
               std::to_string(LOWORD(info.dwFileVersionLS));
    }
    return {};
}

HBITMAP DecodeJpegResource(HINSTANCE instance, int id) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
    if (!found) return nullptr;
    const HGLOBAL loaded = LoadResource(instance, found);
    auto* bytes = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = SizeofResource(instance, found);
    if (!bytes || size == 0) return nullptr;

    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory))))
        return nullptr;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(factory->CreateStream(&stream)) || FAILED(stream->InitializeFromMemory(bytes, size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0)
        return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    GdiFlush();
    return bitmap;
}

void OpenWithShell(HWND owner, const std::wstring& link) {
    ShellExecuteW(owner, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring AboutWindow::FolderLink(HINSTANCE instance) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
    std::wstring folder(path, length);
    const auto slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? folder : folder.substr(0, slash);
}

// A new message with its subject filled in; the user names the recipient.
std::wstring AboutWindow::MailLink() { return L"mailto:?subject=Numerel"; }

AboutWindow::~AboutWindow() {
    if (picture_) DeleteObject(picture_);
}

void AboutWindow::Run(HINSTANCE instance, HWND owner) {
    instance_ = instance;
    RunModal(instance, IDD_ABOUT, owner);
}

bool AboutWindow::OnInit() {
    SetItemText(IDC_ABOUT_NAME, "Numerel " + ModuleVersion(instance_));
    if (!picture_) picture_ = DecodeJpegResource(instance_, IDR_ABOUT_PICTURE);
    if (picture_) SendDlgItemMessageW(Handle(), IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                                      reinterpret_cast<LPARAM>(picture_));
    return true;
}

void AboutWindow::OpenContact(int id) {
    if (id == IDC_ABOUT_CONTACT1)
        RunHelpWindow(instance_, Handle());
    else if (id == IDC_ABOUT_CONTACT2)
        openLink_(Handle(), FolderLink(instance_));
    else
        openLink_(Handle(), MailLink());
}

void AboutWindow::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_ABOUT_OK || id == IDOK) {
        EndModal(IDOK);
        return;
    }
    if ((id == IDC_ABOUT_CONTACT1 || id == IDC_ABOUT_CONTACT2 || id == IDC_ABOUT_CONTACT3) &&
        notifyCode == STN_CLICKED) {
        OpenContact(id);
        return;
    }
    Dialog::OnCommand(id, notifyCode, control);
}

INT_PTR AboutWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        // Transparent labels; the contact lines in link blue.
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        if (id >= IDC_ABOUT_CONTACT1 && id <= IDC_ABOUT_CONTACT3) SetTextColor(dc, RGB(0, 80, 200));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    if (message == WM_SETCURSOR) {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(wParam));
        if (id >= IDC_ABOUT_CONTACT1 && id <= IDC_ABOUT_CONTACT3) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
    }
    return Dialog::OnMessage(message, wParam, lParam);
}

void RunAboutWindow(HINSTANCE instance, HWND owner) {
    AboutWindow window;
    window.Run(instance, owner);
}
