# Reads a workbook back the way other programs see it and prints one JSON object.
#   read_workbook.py FILE          xlrd's view (formatting included) and the container's streams
#   read_workbook.py --stream FILE only the container: its streams and the Book stream's digest
import hashlib
import json
import sys

import olefile


def container(path):
    ole = olefile.OleFileIO(path)
    book = ole.openstream('Book').read() if ole.exists('Book') else b''
    result = {
        'streams': ['/'.join(entry) for entry in ole.listdir(streams=True, storages=True)],
        'bookSize': len(book),
        'firstRecord': book[0] | book[1] << 8 if len(book) >= 2 else -1,
        'md5': hashlib.md5(book).hexdigest(),
    }
    ole.close()
    return result


def workbook(path):
    import xlrd
    bk = xlrd.open_workbook(path, formatting_info=True)
    out = {
        'biff': bk.biff_version,
        'encoding': bk.encoding,
        'datemode': bk.datemode,
        'colour51': list(bk.colour_map.get(51) or []),
        'sheets': [],
    }
    for sh in bk.sheets():
        cells = []
        for r in range(sh.nrows):
            for c in range(sh.row_len(r)):
                cell = sh.cell(r, c)
                if cell.ctype == xlrd.XL_CELL_EMPTY:
                    continue
                xf = bk.xf_list[cell.xf_index]
                font = bk.font_list[xf.font_index]
                value = cell.value
                if cell.ctype == xlrd.XL_CELL_DATE:
                    value = xlrd.xldate_as_datetime(cell.value, bk.datemode).isoformat()
                cells.append({
                    'r': r, 'c': c, 'type': cell.ctype, 'value': value,
                    'xf': cell.xf_index, 'font': xf.font_index, 'fontName': font.name,
                    'height': font.height, 'bold': bool(font.bold), 'weight': font.weight,
                    'format': bk.format_map[xf.format_key].format_str,
                    'fill': xf.background.fill_pattern,
                    'colour': xf.background.pattern_colour_index,
                })
        out['sheets'].append({
            'name': sh.name, 'nrows': sh.nrows, 'ncols': sh.ncols,
            'widths': [sh.computed_column_width(c) for c in range(min(max(sh.ncols, 8) + 2, 256))],
            'cells': cells,
        })
    out['ole'] = container(path)
    return out


if sys.argv[1] == '--stream':
    print(json.dumps(container(sys.argv[2]), ensure_ascii=False))
else:
    print(json.dumps(workbook(sys.argv[1]), ensure_ascii=False))
