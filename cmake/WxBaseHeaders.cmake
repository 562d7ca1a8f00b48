# The public headers of wxWidgets' base and net libraries (wx::base): the only
# wx headers a layer that links wxBase but not wx::gui may include. Every
# other wx header belongs to the GUI libraries.
set(OLV_WX_BASE_HEADERS
  wx/afterstd.h wx/any.h wx/anystr.h wx/archive.h wx/arrstr.h wx/atomic.h wx/base64.h wx/beforestd.h
  wx/buffer.h wx/build.h wx/chartype.h wx/checkeddelete.h wx/chkconf.h wx/clntdata.h wx/cmdargs.h
  wx/cmdline.h wx/compiler.h wx/confbase.h wx/config.h wx/convauto.h wx/cpp.h wx/crt.h wx/datetime.h
  wx/datstrm.h wx/debug.h wx/defs.h wx/dir.h wx/dlimpexp.h wx/dlist.h wx/dynarray.h wx/dynlib.h
  wx/dynload.h wx/encconv.h wx/event.h wx/eventfilter.h wx/evtloop.h wx/except.h wx/features.h
  wx/ffile.h wx/file.h wx/fileconf.h wx/filefn.h wx/filename.h wx/filesys.h wx/flags.h wx/fontenc.h
  wx/fontmap.h wx/fs_arc.h wx/fs_filter.h wx/fs_mem.h wx/fs_zip.h wx/fswatcher.h wx/hash.h wx/hashmap.h
  wx/hashset.h wx/init.h wx/intl.h wx/iosfwrap.h wx/ioswrap.h wx/ipc.h wx/ipcbase.h wx/list.h
  wx/localedefs.h wx/log.h wx/longlong.h wx/lzmastream.h wx/math.h wx/memconf.h wx/memory.h
  wx/memtext.h wx/mimetype.h wx/module.h wx/msgout.h wx/msgqueue.h wx/mstream.h wx/numformatter.h
  wx/object.h wx/platform.h wx/platinfo.h wx/power.h wx/process.h wx/recguard.h wx/regex.h wx/rtti.h
  wx/scopedarray.h wx/scopedptr.h wx/scopeguard.h wx/secretstore.h wx/sharedptr.h wx/snglinst.h
  wx/sstream.h wx/stack.h wx/stackwalk.h wx/stdpaths.h wx/stdstream.h wx/stopwatch.h wx/strconv.h
  wx/stream.h wx/string.h wx/stringimpl.h wx/stringops.h wx/strvararg.h wx/sysopt.h wx/tarstrm.h
  wx/textbuf.h wx/textfile.h wx/thread.h wx/time.h wx/timer.h wx/tls.h wx/tokenzr.h wx/tracker.h
  wx/translation.h wx/txtstrm.h wx/typeinfo.h wx/types.h wx/uilocale.h wx/unichar.h wx/uri.h
  wx/ustring.h wx/utils.h wx/variant.h wx/vector.h wx/version.h wx/versioninfo.h wx/volume.h
  wx/weakref.h wx/wfstream.h wx/wxchar.h wx/wxcrt.h wx/wxcrtbase.h wx/wxcrtvararg.h wx/xlocale.h
  wx/zipstrm.h wx/zstream.h
  wx/meta/convertible.h wx/meta/if.h wx/meta/implicitconversion.h wx/meta/int2type.h wx/meta/movable.h
  wx/meta/pod.h wx/meta/removeref.h
  # wxNet
  wx/fs_inet.h wx/sckaddr.h wx/sckipc.h wx/sckstrm.h wx/socket.h wx/url.h wx/webrequest.h
  wx/protocol/file.h wx/protocol/ftp.h wx/protocol/http.h wx/protocol/log.h wx/protocol/protocol.h
  # The registry on Windows
  wx/msw/regconf.h wx/msw/registry.h
)
