/* Traffic counters of the simulated card: a kernel-mode driver that Wine's
 * winedevice loads as a service. For every interface GUID listed in its
 * service key's "Interfaces" value it creates a device reachable as
 * \\.\{GUID} that answers the NDIS statistics request for frames sent and
 * received, as a network driver does. Each answer grows the count, so a
 * viewer polling once a second sees live numbers. Everything else is
 * refused, so a caller asking with the wrong code or object id fails.
 * The service key's DWORD "ShortAnswers", read at every request, makes it
 * answer as an older driver does: bit 0 the frames sent, bit 1 the frames
 * received in 4 bytes, from a 32-bit count. */
#include <ntddk.h>

#define IOCTL_NDIS_QUERY_GLOBAL_STATS 0x00170002u /* FILE_DEVICE_PHYSICAL_NETCARD, 0, METHOD_OUT_DIRECT */
#define OID_GEN_XMIT_OK 0x00020101u
#define OID_GEN_RCV_OK 0x00020102u

#define MAX_INTERFACES 8
#define GUID_CHARS 38 /* {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx} */

/* First answers and growth per answer; interface i adds i * INTERFACE_OFFSET.
 * The counts start above 2^32 so that a 32-bit reader shows wrong numbers. */
#define XMIT_FIRST 5000001000ull
#define XMIT_STEP 1000ull
#define RCV_FIRST 6000002000ull
#define RCV_STEP 2000ull
#define INTERFACE_OFFSET 100000000ull
/* A 4-byte answer is the count less this: a 32-bit count that started later.
 * Its upper half thus differs from the 64-bit count's. */
#define SHORT_BASE 3000000000ull
#define SHORT_XMIT 0x1u
#define SHORT_RCV 0x2u

typedef struct {
    LONG64 xmit;
    LONG64 rcv;
    WCHAR linkName[12 + GUID_CHARS + 1]; /* \DosDevices\{GUID} */
} COUNTERS;

static DEVICE_OBJECT* devices[MAX_INTERFACES];
static WCHAR serviceKeyName[256];
static UNICODE_STRING serviceKey;

/* "ShortAnswers" of the service key; 0 when there is none. */
static ULONG ShortAnswers(void) {
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &serviceKey, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    HANDLE key;
    if (!NT_SUCCESS(ZwOpenKey(&key, KEY_READ, &attributes))) return 0;
    union {
        KEY_VALUE_PARTIAL_INFORMATION info;
        UCHAR bytes[sizeof(KEY_VALUE_PARTIAL_INFORMATION) + sizeof(ULONG)];
    } value;
    UNICODE_STRING valueName;
    RtlInitUnicodeString(&valueName, L"ShortAnswers");
    ULONG length = 0;
    const NTSTATUS status = ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, &value, sizeof value, &length);
    ZwClose(key);
    if (!NT_SUCCESS(status) || value.info.Type != REG_DWORD || value.info.DataLength != sizeof(ULONG)) return 0;
    return *(const ULONG*)value.info.Data;
}

static NTSTATUS Complete(IRP* irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS DispatchOpenClose(DEVICE_OBJECT* device, IRP* irp) {
    (void)device;
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS DispatchControl(DEVICE_OBJECT* device, IRP* irp) {
    COUNTERS* counters = device->DeviceExtension;
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    const ULONG inLength = stack->Parameters.DeviceIoControl.InputBufferLength;
    const ULONG outLength = stack->Parameters.DeviceIoControl.OutputBufferLength;
    if (stack->Parameters.DeviceIoControl.IoControlCode != IOCTL_NDIS_QUERY_GLOBAL_STATS)
        return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    if (inLength < sizeof(ULONG) || irp->AssociatedIrp.SystemBuffer == NULL)
        return Complete(irp, STATUS_INVALID_PARAMETER, 0);
    const ULONG oid = *(const ULONG*)irp->AssociatedIrp.SystemBuffer;
    LONG64* count;
    LONG64 step;
    ULONG shortBit;
    if (oid == OID_GEN_XMIT_OK) {
        count = &counters->xmit;
        step = XMIT_STEP;
        shortBit = SHORT_XMIT;
    } else if (oid == OID_GEN_RCV_OK) {
        count = &counters->rcv;
        step = RCV_STEP;
        shortBit = SHORT_RCV;
    } else {
        return Complete(irp, STATUS_NOT_SUPPORTED, 0);
    }
    const BOOLEAN answerShort = (ShortAnswers() & shortBit) != 0;
    const ULONG size = answerShort ? sizeof(ULONG) : sizeof(ULONG64);
    if (outLength < size || irp->MdlAddress == NULL) return Complete(irp, STATUS_BUFFER_TOO_SMALL, 0);
    /* The answer travels in the caller's buffer through the request's MDL. */
    void* out = MmGetSystemAddressForMdlSafe(irp->MdlAddress, NormalPagePriority);
    if (out == NULL) return Complete(irp, STATUS_INSUFFICIENT_RESOURCES, 0);
    const ULONG64 now = (ULONG64)(InterlockedExchangeAdd64(count, step));
    if (answerShort)
        *(ULONG*)out = (ULONG)(now - SHORT_BASE); /* the rest of the buffer stays as the caller left it */
    else
        *(ULONG64*)out = now;
    return Complete(irp, STATUS_SUCCESS, size);
}

static void RemoveDevices(void) {
    for (int i = 0; i < MAX_INTERFACES; ++i) {
        if (devices[i] == NULL) continue;
        COUNTERS* counters = devices[i]->DeviceExtension;
        UNICODE_STRING link;
        RtlInitUnicodeString(&link, counters->linkName);
        IoDeleteSymbolicLink(&link);
        IoDeleteDevice(devices[i]);
        devices[i] = NULL;
    }
}

static void Unload(DRIVER_OBJECT* driver) {
    (void)driver;
    RemoveDevices();
}

static void Append(WCHAR* to, const WCHAR* from, ULONG count) {
    while (*to != L'\0') ++to;
    for (ULONG i = 0; i < count; ++i) to[i] = from[i];
    to[count] = L'\0';
}

static NTSTATUS AddInterface(DRIVER_OBJECT* driver, int index, const WCHAR* guid) {
    WCHAR deviceName[40] = L"\\Device\\QuorixCounters";
    const WCHAR digit = (WCHAR)(L'0' + index);
    Append(deviceName, &digit, 1);
    UNICODE_STRING name;
    RtlInitUnicodeString(&name, deviceName);
    DEVICE_OBJECT* device;
    NTSTATUS status =
        IoCreateDevice(driver, sizeof(COUNTERS), &name, FILE_DEVICE_PHYSICAL_NETCARD, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) return status;
    COUNTERS* counters = device->DeviceExtension;
    counters->xmit = (LONG64)(XMIT_FIRST + (ULONG64)index * INTERFACE_OFFSET);
    counters->rcv = (LONG64)(RCV_FIRST + (ULONG64)index * INTERFACE_OFFSET);
    counters->linkName[0] = L'\0';
    Append(counters->linkName, L"\\DosDevices\\", 12);
    Append(counters->linkName, guid, GUID_CHARS);
    UNICODE_STRING link;
    RtlInitUnicodeString(&link, counters->linkName);
    status = IoCreateSymbolicLink(&link, &name);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(device);
        return status;
    }
    devices[index] = device;
    device->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}

/* The GUIDs, one string each, from the service key's REG_MULTI_SZ "Interfaces". */
static NTSTATUS AddInterfaces(DRIVER_OBJECT* driver, UNICODE_STRING* serviceKey) {
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, serviceKey, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    HANDLE key;
    NTSTATUS status = ZwOpenKey(&key, KEY_READ, &attributes);
    if (!NT_SUCCESS(status)) return status;
    static union {
        KEY_VALUE_PARTIAL_INFORMATION info;
        UCHAR bytes[sizeof(KEY_VALUE_PARTIAL_INFORMATION) + MAX_INTERFACES * (GUID_CHARS + 1) * sizeof(WCHAR) + 16];
    } value;
    UNICODE_STRING valueName;
    RtlInitUnicodeString(&valueName, L"Interfaces");
    ULONG length = 0;
    status = ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, &value, sizeof value, &length);
    ZwClose(key);
    if (!NT_SUCCESS(status)) return status;
    if (value.info.Type != REG_MULTI_SZ) return STATUS_INVALID_PARAMETER;
    const WCHAR* text = (const WCHAR*)value.info.Data;
    const ULONG chars = value.info.DataLength / sizeof(WCHAR);
    int index = 0;
    for (ULONG at = 0; at < chars && text[at] != L'\0' && index < MAX_INTERFACES;) {
        ULONG end = at;
        while (end < chars && text[end] != L'\0') ++end;
        if (end - at == GUID_CHARS && text[at] == L'{' && text[end - 1] == L'}') {
            status = AddInterface(driver, index, text + at);
            if (!NT_SUCCESS(status)) return status;
            ++index;
        }
        at = end + 1;
    }
    return index > 0 ? STATUS_SUCCESS : STATUS_INVALID_PARAMETER;
}

NTSTATUS DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING* key) {
    /* Kept for the requests, which read "ShortAnswers" afresh. */
    serviceKey.Buffer = serviceKeyName;
    serviceKey.Length = 0;
    serviceKey.MaximumLength = sizeof serviceKeyName;
    RtlCopyUnicodeString(&serviceKey, key);
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchOpenClose;
    driver->MajorFunction[IRP_MJ_CLEANUP] = DispatchOpenClose;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchOpenClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->DriverUnload = Unload;
    const NTSTATUS status = AddInterfaces(driver, key);
    if (!NT_SUCCESS(status)) RemoveDevices();
    return status;
}
