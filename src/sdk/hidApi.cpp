// hidApi.cpp - start-up, enumeration and transport of the keyboards, on
// hidapi (hidraw) or on the simulated keyboards.
#include "vardexSdk.h"

#include "deviceTable.h"
#include "sdkArgs.h"
#include "simKeyboard.h"

#include <hidapi/hidapi.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

using namespace vardex;

static_assert(sizeof(hidStructInfo::hidPath) == kPathBufferSize, "device paths travel in hidPath buffers");

namespace {

// Identity inquiry before a link exists: how long a keyboard may take to
// answer. A receiver whose keyboard is away never answers.
constexpr int kIdentityTimeoutMs = 250;
// Blocking reads wake this often to notice a close from another thread.
constexpr int kReadSliceMs = 100;

struct Handle {
    std::mutex m;
    std::condition_variable cv;
    int inFlight = 0;
    bool closing = false;
    bool nonblocking = false;
    hid_device *dev = nullptr;
    int simEndpoint = 0;
    // A second, read-only descriptor of the same hidraw node: hidraw hands
    // every report to each open descriptor, so it polls readable exactly
    // when hidapi's own (hidden) descriptor has a report. Drained, never used
    // for the reports themselves.
    int inputEventFd = -1;
    std::string path;
};

struct Identity {
    hidStructInfo info;
    hidFirmwareInfo firmware;
};

std::mutex gMu;
std::map<int, std::shared_ptr<Handle>> gHandles;
int gNextHandle = 0;
bool gHidApiReady = false;
std::map<std::string, Identity> gIdentities; // by path; dropped when the path goes

bool useSim()
{
    sim::initFromEnvironment();
    return sim::enabled();
}

bool ensureHidApi()
{
    std::lock_guard<std::mutex> lock(gMu);
    if (!gHidApiReady)
        gHidApiReady = hid_init() == 0;
    return gHidApiReady;
}

std::string narrow(const wchar_t *w)
{
    std::string out;
    for (; w && *w; ++w)
        out.push_back(*w < 0x80 ? static_cast<char>(*w) : '?');
    return out;
}

std::string hex4(unsigned v)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04x", v & 0xFFFF);
    return buf;
}

// The vendor interface of a supported id. hidapi reports the usage page from
// the report descriptor; when it cannot, the interface number decides.
bool isVendorInterface(const hid_device_info *d)
{
    if (!findModelByUsbId(d->vendor_id, d->product_id, nullptr))
        return false;
    if (d->usage_page != 0)
        return d->usage_page == kVendorUsagePage;
    return d->interface_number == kVendorInterfaceNumber;
}

struct RealDevice {
    std::string path;
    uint16_t vid = 0, pid = 0;
    int interfaceNumber = -1;
    std::string manufacturer, product;
};

std::vector<RealDevice> enumerateReal()
{
    std::vector<RealDevice> out;
    if (!ensureHidApi())
        return out;
    hid_device_info *list = hid_enumerate(kVendorId, 0);
    std::set<std::string> seen;
    for (hid_device_info *d = list; d; d = d->next) {
        if (!d->path || !isVendorInterface(d) || !seen.insert(d->path).second)
            continue;
        RealDevice r;
        r.path = d->path;
        r.vid = d->vendor_id;
        r.pid = d->product_id;
        r.interfaceNumber = d->interface_number;
        r.manufacturer = narrow(d->manufacturer_string);
        r.product = narrow(d->product_string);
        out.push_back(r);
    }
    hid_free_enumeration(list);
    return out;
}

std::shared_ptr<Handle> acquire(int handle)
{
    std::shared_ptr<Handle> h;
    {
        std::lock_guard<std::mutex> lock(gMu);
        auto it = gHandles.find(handle);
        if (it == gHandles.end())
            return nullptr;
        h = it->second;
    }
    std::lock_guard<std::mutex> lock(h->m);
    if (h->closing)
        return nullptr;
    ++h->inFlight;
    return h;
}

void release(const std::shared_ptr<Handle> &h)
{
    std::lock_guard<std::mutex> lock(h->m);
    --h->inFlight;
    h->cv.notify_all();
}

// One read with a timeout (0: poll). 64 with a report, 0 none, -1 gone.
int readOnce(Handle &h, unsigned char *buffer, int timeoutMs)
{
    if (h.simEndpoint)
        return sim::read(h.simEndpoint, buffer, timeoutMs);
    // hidraw hands over the report id as byte 0 for numbered reports, so a
    // report of the vendor interface is 64 bytes; room for one more keeps a
    // longer report from being split.
    unsigned char tmp[65];
    const int n = hid_read_timeout(h.dev, tmp, sizeof tmp, timeoutMs);
    if (n <= 0)
        return n < 0 ? -1 : 0;
    std::memset(buffer, 0, 64);
    std::memcpy(buffer, tmp, std::min(n, 64));
    return 64;
}

void pruneIdentities(const std::list<std::string> &present)
{
    std::set<std::string> keep(present.begin(), present.end());
    std::lock_guard<std::mutex> lock(gMu);
    for (auto it = gIdentities.begin(); it != gIdentities.end();)
        it = keep.count(it->first) ? std::next(it) : gIdentities.erase(it);
}

std::vector<std::string> splitCommas(const std::string &text)
{
    std::vector<std::string> out;
    std::string field;
    std::istringstream in(text);
    while (std::getline(in, field, ','))
        out.push_back(field);
    if (!text.empty() && text.back() == ',')
        out.push_back(std::string());
    return out;
}

// Asks the device for its identity report (0x0D). Empty when it does not
// answer in time.
std::string askIdentity(const std::string &path)
{
    const int handle = CVardexHid_OpenPath(path.c_str());
    if (!handle)
        return std::string();
    CVardexHid_SetNonblocking(handle, 1);
    unsigned char out[64] = {0x01, 0x0D};
    std::string text;
    if (CVardexHid_HidWriteBuff(handle, out, path.c_str()) > 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kIdentityTimeoutMs);
        unsigned char in[64];
        while (std::chrono::steady_clock::now() < deadline) {
            const int n = CVardexHid_HidReadBuff(handle, in);
            if (n < 0)
                break;
            if (n > 0 && in[1] == 0x0D) {
                for (int i = 6; i < 64 && in[i] != 0; ++i)
                    text.push_back(static_cast<char>(in[i]));
                break;
            }
            if (n == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    CVardexHid_Close(handle);
    return text;
}

} // namespace

int CVardexHid_Init()
{
    if (!sim::initFromEnvironment())
        return -1; // a scenario was asked for and cannot be used
    if (sim::enabled())
        return 0;
    return ensureHidApi() ? 0 : -1;
}

// The light layer keeps no device state of its own yet; its start-up cannot fail.
int CVardexLight_Init() { return 0; }

int CVardexHid_GetSupportInfoList(std::vector<hidSupportInfo> &list)
{
    int added = 0;
    for (std::size_t i = 0; i < deviceModelCount(); ++i) {
        const DeviceModel &m = deviceModel(i);
        for (int receiver = 0; receiver < 2; ++receiver) {
            hidSupportInfo s;
            std::memset(&s, 0, sizeof s);
            copyText(s.hidName, m.code);
            copyText(s.vendorId, hex4(kVendorId));
            copyText(s.productId, hex4(receiver ? m.receiverPid : m.cablePid));
            s.usagePage = kVendorUsagePage;
            s.interfaceNumber = kVendorInterfaceNumber;
            s.hidUsbOrDongle = receiver;
            copyText(s.productName, std::string(m.productName) + " " + m.displayName);
            list.push_back(s);
            ++added;
        }
    }
    return added;
}

int CVardexHid_GetHidInfoList(std::list<std::string> &paths)
{
    std::list<std::string> found;
    if (useSim()) {
        for (const std::string &p : sim::pluggedPaths())
            found.push_back(p);
    } else {
        for (const RealDevice &d : enumerateReal())
            found.push_back(d.path);
    }
    pruneIdentities(found);
    const int n = static_cast<int>(found.size());
    paths.splice(paths.end(), found);
    return n;
}

int CVardexHid_GetHidInfoStuMapList(std::map<std::string, hidModelInfo> &models)
{
    int added = 0;
    for (std::size_t i = 0; i < deviceModelCount(); ++i) {
        const DeviceModel &m = deviceModel(i);
        hidModelInfo info;
        std::memset(&info, 0, sizeof info);
        copyText(info.deviceType, "keyboard");
        info.modelParams[0] = m.sideSegments;
        info.modelParams[1] = m.sideLeds;
        info.modelParams[2] = m.layoutType;
        info.modelParams[3] = m.sideSegments > 0 ? 1 : 0;
        copyText(info.hidName, m.code);
        info.keyCount = m.keyCount;
        copyText(info.productName, m.productName);
        copyText(info.likeName, m.displayName);
        models[m.code] = info;
        ++added;
    }
    return added;
}

bool CVardexHid_GetHidAndFirmwareInfoStu(const char *path, hidStructInfo *info, hidFirmwareInfo *firmware)
{
    std::string p;
    if (!readPath(path, p) || !info || !firmware)
        return false;
    {
        std::lock_guard<std::mutex> lock(gMu);
        auto it = gIdentities.find(p);
        if (it != gIdentities.end()) {
            *info = it->second.info;
            *firmware = it->second.firmware;
            return true;
        }
    }

    RealDevice dev;
    const DeviceModel *model = nullptr;
    Connection connection = Connection::Cable;
    if (useSim()) {
        sim::DeviceIds ids;
        if (!sim::isSimPath(p) || !sim::deviceIds(p, &ids))
            return false;
        model = ids.model;
        connection = ids.connection;
        dev.path = p;
        dev.vid = kVendorId;
        dev.pid = connection == Connection::Cable ? model->cablePid : model->receiverPid;
        dev.interfaceNumber = kVendorInterfaceNumber;
        dev.manufacturer = "Vardex";
        dev.product = std::string(model->productName) + " " + model->displayName;
    } else {
        bool found = false;
        for (const RealDevice &d : enumerateReal()) {
            if (d.path == p) {
                dev = d;
                found = true;
                break;
            }
        }
        if (!found)
            return false;
        model = findModelByUsbId(dev.vid, dev.pid, &connection);
        if (!model)
            return false;
    }
    // A device we may not open is left to CVardexHid_GetNoPermissionList;
    // caching it now would hide it after the user fixed the permissions.
    if (CVardexHid_CheckPathAccess(p.c_str()) != HID_PATH_OK)
        return false;

    const std::string identity = askIdentity(p);
    const std::vector<std::string> fields = splitCommas(identity);

    Identity id;
    std::memset(&id, 0, sizeof id);
    id.info.vendorId = dev.vid;
    id.info.productId = dev.pid;
    copyText(id.info.hidPath, p);
    copyText(id.info.hidManufacturer, dev.manufacturer);
    copyText(id.info.hidProduct, dev.product);
    // The keyboard names its model; the product id is only a fallback, for a
    // receiver whose keyboard is away or an identity we do not know.
    const DeviceModel *reported = fields.size() > 4 ? findModel(fields[4]) : nullptr;
    copyText(id.info.hidName, reported ? reported->code : model->code);
    copyText(id.info.hidFirmwareNUC, identity);
    id.info.interfaceNumber = dev.interfaceNumber;
    id.info.hidUsbOrDongle = connection == Connection::Receiver ? 1 : 0;
    for (std::size_t i = 0; i < 5 && i < fields.size(); ++i)
        copyText(id.firmware.identity[i], fields[i]);
    if (fields.size() > 5)
        copyText(id.firmware.firmwareVersion, fields[5]);
    if (fields.size() > 6)
        copyText(id.firmware.buildDateTime, fields[6]);

    std::lock_guard<std::mutex> lock(gMu);
    gIdentities[p] = id;
    *info = id.info;
    *firmware = id.firmware;
    return true;
}

int CVardexHid_OpenPath(const char *path)
{
    std::string p;
    if (!readPath(path, p))
        return 0;
    auto h = std::make_shared<Handle>();
    h->path = p;
    if (useSim()) {
        if (!sim::isSimPath(p))
            return 0;
        h->simEndpoint = sim::open(p);
        if (!h->simEndpoint)
            return 0;
    } else {
        if (!ensureHidApi())
            return 0;
        h->dev = hid_open_path(p.c_str());
        if (!h->dev)
            return 0;
        h->inputEventFd = ::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    std::lock_guard<std::mutex> lock(gMu);
    do {
        gNextHandle = gNextHandle == 0x7FFFFFFF ? 1 : gNextHandle + 1;
    } while (gHandles.count(gNextHandle));
    gHandles[gNextHandle] = h;
    return gNextHandle;
}

int CVardexHid_SetNonblocking(int handle, int nonblock)
{
    auto h = acquire(handle);
    if (!h)
        return -1;
    {
        std::lock_guard<std::mutex> lock(h->m);
        h->nonblocking = nonblock != 0;
    }
    release(h);
    return 0;
}

int CVardexHid_HidReadBuff(int handle, unsigned char *buffer)
{
    if (!buffer)
        return -1;
    auto h = acquire(handle);
    if (!h)
        return -1;
    bool nonblocking;
    {
        std::lock_guard<std::mutex> lock(h->m);
        nonblocking = h->nonblocking;
    }
    int n;
    if (nonblocking) {
        n = readOnce(*h, buffer, 0);
    } else {
        for (;;) {
            n = readOnce(*h, buffer, kReadSliceMs);
            if (n != 0)
                break;
            std::lock_guard<std::mutex> lock(h->m);
            if (h->closing)
                break;
        }
    }
    release(h);
    return n;
}

int CVardexHid_HidWriteBuff(int handle, const unsigned char *report, const char *path)
{
    (void)path; // the handle already names the device
    if (!report)
        return -1;
    auto h = acquire(handle);
    if (!h)
        return -1;
    int n;
    if (h->simEndpoint) {
        n = sim::write(h->simEndpoint, report);
    } else {
        // Byte 0 is the report id, as hidraw expects it; 0 means an
        // unnumbered report and the kernel drops it before sending.
        n = hid_write(h->dev, report, 64);
        if (n <= 0)
            n = -1;
    }
    release(h);
    return n;
}

void CVardexHid_Close(int handle)
{
    std::shared_ptr<Handle> h;
    {
        std::lock_guard<std::mutex> lock(gMu);
        auto it = gHandles.find(handle);
        if (it == gHandles.end())
            return;
        h = it->second;
        gHandles.erase(it);
    }
    std::unique_lock<std::mutex> lock(h->m);
    h->closing = true;
    // A read or write in another thread finishes before the device goes.
    h->cv.wait(lock, [&] { return h->inFlight == 0; });
    if (h->simEndpoint)
        sim::close(h->simEndpoint);
    if (h->dev)
        hid_close(h->dev);
    if (h->inputEventFd >= 0)
        ::close(h->inputEventFd);
    h->inputEventFd = -1;
    h->simEndpoint = 0;
    h->dev = nullptr;
}

int CVardexHid_GetInputEventFd(int handle)
{
    auto h = acquire(handle);
    if (!h)
        return -1;
    const int fd = h->simEndpoint ? sim::inputEventFd(h->simEndpoint) : h->inputEventFd;
    release(h);
    return fd;
}

void CVardexHid_ClearInputEvent(int handle)
{
    auto h = acquire(handle);
    if (!h)
        return;
    if (h->simEndpoint) {
        sim::clearInputEvent(h->simEndpoint);
    } else if (h->inputEventFd >= 0) {
        unsigned char discard[65];
        while (::read(h->inputEventFd, discard, sizeof discard) > 0) {
        }
    }
    release(h);
}

int CVardexHid_CheckPathAccess(const char *path)
{
    std::string p;
    if (!readPath(path, p))
        return HID_PATH_MISSING;
    if (sim::isSimPath(p))
        return sim::pathAccess(p);
    const int fd = ::open(p.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return HID_PATH_OK;
    }
    switch (errno) {
    case EACCES:
    case EPERM:
        return HID_PATH_NO_PERMISSION;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return HID_PATH_MISSING;
    default:
        return HID_PATH_ERROR;
    }
}

int CVardexHid_GetNoPermissionList(std::list<std::string> &paths)
{
    if (useSim())
        return 0;
    // sysfs is readable by everyone, so the ids are known even where the
    // device node is not.
    int added = 0;
    DIR *dir = opendir("/sys/class/hidraw");
    if (!dir)
        return 0;
    std::vector<std::string> nodes;
    while (dirent *e = readdir(dir))
        if (std::strncmp(e->d_name, "hidraw", 6) == 0)
            nodes.push_back(e->d_name);
    closedir(dir);
    std::sort(nodes.begin(), nodes.end());
    for (const std::string &node : nodes) {
        const std::string base = "/sys/class/hidraw/" + node + "/device/";
        std::ifstream uevent(base + "uevent");
        std::string line;
        unsigned bus = 0, vid = 0, pid = 0;
        bool haveId = false;
        while (std::getline(uevent, line))
            if (line.rfind("HID_ID=", 0) == 0 && std::sscanf(line.c_str() + 7, "%x:%x:%x", &bus, &vid, &pid) == 3)
                haveId = true;
        if (!haveId || !findModelByUsbId(static_cast<uint16_t>(vid), static_cast<uint16_t>(pid), nullptr))
            continue;
        std::ifstream iface(base + "../bInterfaceNumber");
        unsigned number = 0;
        if (iface >> std::hex >> number && static_cast<int>(number) != kVendorInterfaceNumber)
            continue;
        const std::string devPath = "/dev/" + node;
        if (CVardexHid_CheckPathAccess(devPath.c_str()) == HID_PATH_NO_PERMISSION) {
            paths.push_back(devPath);
            ++added;
        }
    }
    return added;
}
