// Picture files decoded and scaled by the Windows Imaging Component.
#include "platform/picture_file.h"

#include <windows.h>
#include <wincodec.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cwchar>
#include <new>
#include <set>

#include "platform/picture_budget.h"
#include "platform/utf16.h"

namespace {

// Holds one COM interface and releases it.
template <class Interface>
class Com {
public:
    Com() = default;
    ~Com()
    {
        if (pointer_)
            pointer_->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    Interface** out() { return &pointer_; }
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

// COM for this thread while the picture is worked on (left as it was when already set up).
class ComScope {
public:
    ComScope() : ours_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope()
    {
        if (ours_)
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool ours_;
};

bool makeFactory(Com<IWICImagingFactory>& factory)
{
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory.out())));
}

// The camera orientation (1 to 8) a photograph carries, 1 when it has none.
int cameraOrientation(IWICBitmapFrameDecode* frame)
{
    Com<IWICMetadataQueryReader> metadata;
    if (FAILED(frame->GetMetadataQueryReader(metadata.out())))
        return 1;
    for (const wchar_t* query : {L"/app1/ifd/{ushort=274}", L"/ifd/{ushort=274}"}) {
        PROPVARIANT value;
        PropVariantInit(&value);
        const bool found = SUCCEEDED(metadata->GetMetadataByName(query, &value)) &&
                           value.vt == VT_UI2 && value.uiVal >= 1 && value.uiVal <= 8;
        const int orientation = found ? value.uiVal : 0;
        PropVariantClear(&value);
        if (found)
            return orientation;
    }
    return 1;
}

// The turn and flip that make a picture with the camera orientation upright.
WICBitmapTransformOptions uprightTransform(int orientation)
{
    switch (orientation) {
    case 2: return WICBitmapTransformFlipHorizontal;
    case 3: return WICBitmapTransformRotate180;
    case 4: return WICBitmapTransformFlipVertical;
    case 5: return static_cast<WICBitmapTransformOptions>(WICBitmapTransformRotate90 |
                                                          WICBitmapTransformFlipHorizontal);
    case 6: return WICBitmapTransformRotate90;
    case 7: return static_cast<WICBitmapTransformOptions>(WICBitmapTransformRotate270 |
                                                          WICBitmapTransformFlipHorizontal);
    case 8: return WICBitmapTransformRotate270;
    default: return WICBitmapTransformRotate0;
    }
}

// The source's pixels as 32-bit BGRA, laid over white where they are transparent.
bool copyOverWhite(IWICImagingFactory* factory, IWICBitmapSource* source, RgbImage& image)
{
    Com<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > INT_MAX / 4 || std::uint64_t{width} * 4 * height > UINT_MAX)
        return false;
    std::vector<std::uint8_t> bgra(std::size_t{width} * 4 * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(bgra.size()),
                                     bgra.data())))
        return false;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.rgb.resize(std::size_t{width} * height * 3);
    std::uint8_t* target = image.rgb.data();
    for (std::size_t at = 0; at < bgra.size(); at += 4) {
        const int alpha = bgra[at + 3];
        for (int channel = 2; channel >= 0; --channel)
            *target++ = static_cast<std::uint8_t>(
                (bgra[at + channel] * alpha + 255 * (255 - alpha)) / 255);
    }
    return true;
}

// The turn the camera orientation asks for swaps width and height.
bool turnsSideways(WICBitmapTransformOptions transform)
{
    // Rotate270 is Rotate90 | Rotate180.
    return (transform & WICBitmapTransformRotate90) != 0;
}

// Decodes the first frame. Its size comes from the header, before any pixel is decoded (WIC's
// frame size): a picture beyond the budget is refused there, and a large one is decoded
// through the scaler, which lets the decoder decode at a smaller size where it can (JPEG).
bool decodePicture(const std::string& path, const std::vector<std::uint8_t>& bytes,
                   PictureSize box, RgbImage& picture, PictureError& error)
{
    Com<IWICImagingFactory> factory;
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    UINT width = 0;
    UINT height = 0;
    if (!makeFactory(factory) || FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()),
                                            static_cast<DWORD>(bytes.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand,
                                                decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())) || FAILED(frame->GetSize(&width, &height))) {
        setPictureError(error, PictureProblem::notAPicture, path,
                        "not a picture file Windows can decode");
        return false;
    }
    if (!pictureWithinBudget(path, static_cast<int>(std::min<UINT>(width, INT_MAX)),
                             static_cast<int>(std::min<UINT>(height, INT_MAX)), error))
        return false;
    // Photographs often carry their camera orientation separately from the pixels.
    const WICBitmapTransformOptions transform = uprightTransform(cameraOrientation(frame.get()));
    if (turnsSideways(transform))
        std::swap(box.width, box.height);
    const PictureSize to = decodedSize({static_cast<int>(width), static_cast<int>(height)},
                                       maxDecodedPixels, box);
    IWICBitmapSource* source = frame.get();
    Com<IWICBitmapScaler> scaler;
    if (to.width != static_cast<int>(width) || to.height != static_cast<int>(height)) {
        if (FAILED(factory->CreateBitmapScaler(scaler.out())) ||
            FAILED(scaler->Initialize(frame.get(), static_cast<UINT>(to.width),
                                      static_cast<UINT>(to.height),
                                      WICBitmapInterpolationModeFant))) {
            setPictureError(error, PictureProblem::outOfMemory, path, "cannot scale the picture");
            return false;
        }
        source = scaler.get();
    }
    Com<IWICBitmapFlipRotator> upright;
    if (transform != WICBitmapTransformRotate0) {
        if (FAILED(factory->CreateBitmapFlipRotator(upright.out())) ||
            FAILED(upright->Initialize(source, transform))) {
            setPictureError(error, PictureProblem::outOfMemory, path, "cannot turn the picture");
            return false;
        }
        source = upright.get();
    }
    if (!copyOverWhite(factory.get(), source, picture)) {
        setPictureError(error, PictureProblem::damaged, path,
                        "the picture data is cut short or damaged");
        return false;
    }
    return true;
}

bool readPicture(const std::string& path, PictureSize box, RgbImage& picture,
                 PictureError& error)
{
    error = {};
    std::vector<std::uint8_t> bytes;
    // Some decoders decode the whole picture as soon as they open it: the size its header
    // states is checked first where it can be read.
    if (!readPictureBytes(path, bytes, error) || !checkBeforeDecoding(path, bytes, error))
        return false;
    const ComScope com;
    bool decoded = false;
    try {
        decoded = decodePicture(path, bytes, box, picture, error);
    } catch (const std::bad_alloc&) {
        setPictureError(error, PictureProblem::outOfMemory, path, "not enough memory");
        return false;
    }
    // Its size is within the budget unless the decoder refused it for that.
    const bool sizeRefused = error.problem == PictureProblem::tooManyPixels ||
                             error.problem == PictureProblem::outOfMemory;
    if (!sizeRefused && !jpegWhole(path, bytes, error)) {
        picture = {};
        return false;
    }
    return decoded;
}

}  // namespace

bool readPictureFile(const std::string& path, RgbImage& picture, PictureError& error)
{
    return readPicture(path, {}, picture, error);
}

bool readPictureThumbnail(const std::string& path, int maxWidth, int maxHeight,
                          RgbImage& picture, PictureError& error)
{
    return readPicture(path, {std::max(maxWidth, 1), std::max(maxHeight, 1)}, picture, error);
}

std::string pictureFilePatterns()
{
    const ComScope com;
    Com<IWICImagingFactory> factory;
    Com<IEnumUnknown> decoders;
    std::set<std::string> patterns;
    if (makeFactory(factory) &&
        SUCCEEDED(factory->CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault,
                                                     decoders.out()))) {
        IUnknown* item = nullptr;
        ULONG fetched = 0;
        while (decoders->Next(1, &item, &fetched) == S_OK && item) {
            Com<IWICBitmapDecoderInfo> info;
            const bool isDecoder = SUCCEEDED(item->QueryInterface(
                IID_IWICBitmapDecoderInfo, reinterpret_cast<void**>(info.out())));
            item->Release();
            UINT length = 0;
            if (!isDecoder || FAILED(info->GetFileExtensions(0, nullptr, &length)) || length == 0)
                continue;
            // ".jpeg,.jpe,.jpg,.jfif,.exif" (some decoders separate them with semicolons)
            std::wstring extensions(length, L'\0');
            if (FAILED(info->GetFileExtensions(length, extensions.data(), &length)))
                continue;
            extensions.resize(wcsnlen(extensions.c_str(), extensions.size()));
            std::size_t from = 0;
            while (from < extensions.size()) {
                const std::size_t comma =
                    std::min(extensions.find_first_of(L",; ", from), extensions.size());
                std::string extension = utf16ToUtf8(extensions.substr(from, comma - from));
                from = comma + 1;
                std::transform(extension.begin(), extension.end(), extension.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
                if (extension.size() > 1 && extension[0] == '.')
                    patterns.insert("*" + extension);
            }
        }
    }
    std::string joined;
    for (const std::string& pattern : patterns)
        joined += (joined.empty() ? "" : ";") + pattern;
    return joined;
}

namespace {

RgbImage scaleWithWic(const RgbImage& picture, int x, int y, int width, int height, int toWidth,
                      int toHeight)
{
    RgbImage result;
    if (picture.width <= 0 || picture.height <= 0 || toWidth <= 0 || toHeight <= 0)
        return result;
    x = std::clamp(x, 0, picture.width - 1);
    y = std::clamp(y, 0, picture.height - 1);
    const WICRect part{x, y, std::clamp(width, 1, picture.width - x),
                       std::clamp(height, 1, picture.height - y)};
    std::vector<std::uint8_t> bgr(picture.rgb);
    for (std::size_t at = 0; at + 2 < bgr.size(); at += 3)
        std::swap(bgr[at], bgr[at + 2]);

    const ComScope com;
    Com<IWICImagingFactory> factory;
    Com<IWICBitmap> whole;
    Com<IWICBitmapClipper> clipper;
    Com<IWICBitmapScaler> scaler;
    std::vector<std::uint8_t> scaled(std::size_t{3} * toWidth * toHeight);
    // Fant's interpolation averages every source pixel on the way down.
    if (!makeFactory(factory) ||
        FAILED(factory->CreateBitmapFromMemory(
            picture.width, picture.height, GUID_WICPixelFormat24bppBGR, picture.width * 3,
            static_cast<UINT>(bgr.size()), bgr.data(), whole.out())) ||
        FAILED(factory->CreateBitmapClipper(clipper.out())) ||
        FAILED(clipper->Initialize(whole.get(), &part)) ||
        FAILED(factory->CreateBitmapScaler(scaler.out())) ||
        FAILED(scaler->Initialize(clipper.get(), toWidth, toHeight,
                                  WICBitmapInterpolationModeFant)) ||
        FAILED(scaler->CopyPixels(nullptr, toWidth * 3, static_cast<UINT>(scaled.size()),
                                  scaled.data())))
        return result;
    for (std::size_t at = 0; at + 2 < scaled.size(); at += 3)
        std::swap(scaled[at], scaled[at + 2]);
    result.width = toWidth;
    result.height = toHeight;
    result.rgb = std::move(scaled);
    return result;
}

}  // namespace

RgbImage scalePicturePart(const RgbImage& picture, int x, int y, int width, int height,
                          int toWidth, int toHeight)
{
    try {
        return scaleWithWic(picture, x, y, width, height, toWidth, toHeight);
    } catch (const std::bad_alloc&) {
        return {};
    }
}
