#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Component.h"

enum TXACompressionLevel : uint8_t { clNone, clFastest, clNormal, clMax };
enum TXAProcessOperation : uint8_t {
  poAdd, poMove, poDelete, poUpdate, poExtract, poTest, poRename, poChangeAttr, poChangeComment, poMakeSFX
};
enum TXAProgressPhase : uint8_t { ppStart, ppProcess, ppEnd };
enum TXAAction : uint8_t { fxaRetry, fxaIgnore, fxaAbort };
enum TXAOverwriteMode : uint8_t { omPrompt, omAlways, omNever, omIfNewer, omIfOlder };
enum TXAFileShareMode : uint8_t {
  smShareCompat, smShareExclusive, smShareDenyWrite, smShareDenyRead, smShareDenyNone
};
enum TXAStorePathMode : uint8_t { spNoPath, spRelativePath, spFullPath, spFullPathWithDrive };
enum TZip64Mode : uint8_t { zmDisabled, zmAuto, zmAlways };
enum TXASpanningMode : uint8_t { smNone, smSpanning, smSplitting };
enum TXAVolumeSize : uint8_t {
  vsAutoDetect, vsCustom, vs1_44MB, vs100MB, vs200MB, vs250MB, vs600MB, vs650MB, vs700MB, vs4700MB
};

// Event types: method references with by-reference answers; Sender is the component.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TXAProgressEvent = std::function<void(TObject* Sender, double Progress,
    TXAProcessOperation Operation, TXAProgressPhase ProgressPhase, bool& Cancel)>;
using TXAFileProgressEvent = std::function<void(TObject* Sender, const std::string& FileName,
    double Progress, TXAProcessOperation Operation, TXAProgressPhase ProgressPhase, bool& Cancel)>;
using TXACopyTempFileProgressEvent = std::function<void(TObject* Sender, double Progress,
    TXAProgressPhase ProgressPhase, bool& Cancel)>;
using TXAConfirmOverwriteEvent = std::function<void(TObject* Sender,
    const std::string& SourceFileName, std::string& DestFileName, bool& Confirm)>;
using TXAConfirmProcessFileEvent = std::function<void(TObject* Sender,
    const std::string& FileName, TXAProcessOperation Operation, bool& Confirm)>;
using TXAOnPasswordEvent = std::function<void(TObject* Sender, const std::string& FileName,
    std::string& NewPassword, bool& SkipFile)>;
using TXAProcessFileFailureEvent = std::function<void(TObject* Sender, const std::string& FileName,
    TXAProcessOperation Operation, int32_t NativeError, int32_t ErrorCode,
    const std::string& ErrorMessage, TXAAction& Action)>;
using TXAOnRequestBlankVolumeEvent = std::function<void(TObject* Sender, int32_t VolumeNumber,
    std::string& VolumeFileName, bool& Cancel)>;
using TXAOnRequestFirstVolumeEvent = std::function<void(TObject* Sender,
    std::string& VolumeFileName, bool& Cancel)>;
using TXAOnRequestLastVolumeEvent = std::function<void(TObject* Sender,
    std::string& VolumeFileName, bool& Cancel)>;
using TXAOnRequestMiddleVolumeEvent = std::function<void(TObject* Sender, int32_t VolumeNumber,
    std::string& VolumeFileName, bool& Cancel)>;
using TXAOnDiskFullEvent = std::function<void(TObject* Sender, int32_t VolumeNumber,
    const std::string& VolumeFileName, bool& Cancel)>;
using TXAOnStoreFileEvent = std::function<void(TObject* Sender, std::string& FileName,
    uint32_t& FileAttr, std::string& Comment, const std::string& OriginalFileName)>;
using TXAOnExtractFileEvent = std::function<void(TObject* Sender, std::string& FileName,
    uint32_t& FileAttr, const std::string& Comment)>;
using TXAVolumeFailureEvent = std::function<void(TObject* Sender, int32_t VolumeNumber,
    const std::string& VolumeFileName, bool& Cancel)>;
